#pragma once

// The one conversion between stored strings (Windows-1252 bytes, zero bytes allowed)
// and the text the widgets show.

#include <QString>
#include <string>

QString decode_1252(const std::string& bytes);
std::string encode_1252(const QString& text);

// True when every character of the text has a Windows-1252 byte.
bool representable_1252(const QString& text);
