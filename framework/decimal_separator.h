#pragma once

// The user's decimal separator (QLocale::system()), as one byte for the number texts.
char system_decimal_separator();
