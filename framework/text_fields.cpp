#include "framework/text_fields.h"

#include "framework/codec.h"
#include "framework/edit_background.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>
#include <QValidator>

namespace {

class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return representable_1252(input) ? Acceptable : Invalid;
    }
};

} // namespace

TextField::TextField(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new Cp1252Validator(this));
    setBackgroundColour(kEditBackground);
    connect(this, &QLineEdit::textChanged, this, &TextField::onTextChanged);
}

void TextField::fill(const std::string& bytes)
{
    gate_.fill([&] {
        setText(decode_1252(bytes));
        setCursorPosition(0); // a text longer than the field shows its start
    });
    gate_.passes(text());
}

std::string TextField::bytes() const
{
    return encode_1252(text());
}

void TextField::setBackgroundColour(const QColor& colour)
{
    set_edit_background(this, colour);
}

void TextField::onTextChanged()
{
    if (gate_.passes(text()))
        emit changedByUser();
}

TextMemo::TextMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the memo, as in every other field, instead of storing a tab character.
    setTabChangesFocus(true);
    setBackgroundColour(kEditBackground);
    connect(this, &QPlainTextEdit::textChanged, this, &TextMemo::onTextChanged);
}

void TextMemo::fill(const std::string& bytes)
{
    QString text = decode_1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    gate_.fill([&] { setPlainText(text); });
    gate_.passes(shownText());
}

// toPlainText() would turn a no-break space (0xA0, a valid stored byte) into a space.
QString TextMemo::shownText() const
{
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

std::string TextMemo::bytes() const
{
    QString text = shownText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return encode_1252(text);
}

void TextMemo::setBackgroundColour(const QColor& colour)
{
    set_edit_background(this, colour);
    set_edit_background(viewport(), colour);
}

void TextMemo::keyPressEvent(QKeyEvent* event)
{
    if (!event->text().isEmpty() && !representable_1252(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextMemo::inputMethodEvent(QInputMethodEvent* event)
{
    if (!representable_1252(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TextMemo::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && !representable_1252(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void TextMemo::onTextChanged()
{
    if (gate_.passes(shownText()))
        emit changedByUser();
}
