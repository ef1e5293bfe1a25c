#include "framework/codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kCodePage = "windows-1252";
}

QString decode_1252(const std::string& bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string encode_1252(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

bool representable_1252(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    (void)QByteArray(encoder.encode(text));
    return !encoder.hasError();
}
