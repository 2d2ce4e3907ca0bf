#include "app/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QtEndian>

#include <cstring>

namespace vorneta {

namespace {

QString g_loadedFamily;

quint32 readU32(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

quint16 readU16(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

// Offset of the embedded-bitmap location table, or -1.
qsizetype findEblc(const QByteArray &data)
{
    if (data.size() < 12)
        return -1;
    const qsizetype tables = readU16(data, 4);
    if (12 + tables * 16 > data.size())
        return -1;
    for (qsizetype i = 0; i < tables; ++i) {
        const qsizetype record = 12 + i * 16;
        if (std::memcmp(data.constData() + record, "EBLC", 4) == 0) {
            const qsizetype offset = readU32(data, record + 8);
            const qsizetype length = readU32(data, record + 12);
            if (offset < 0 || length < 8 || offset + length > data.size())
                return -1;
            return offset;
        }
    }
    return -1;
}

}  // namespace

QString wineSansSerifPath()
{
    return QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
}

QList<QByteArray> strikeVariants(const QByteArray &fontData)
{
    constexpr qsizetype recordSize = 48;      // one bitmapSizeTable
    constexpr qsizetype ascentAt = 16;        // hori.ascender, first byte of the line metrics
    constexpr qsizetype ppemXAt = 44;
    constexpr qsizetype ppemYAt = 45;

    const qsizetype eblc = findEblc(fontData);
    if (eblc < 0 || readU32(fontData, eblc) != 0x00020000u)
        return {};
    const qsizetype strikes = readU32(fontData, eblc + 4);
    if (strikes < 1 || strikes > 64 || eblc + 8 + strikes * recordSize > fontData.size())
        return {};

    const QByteArray records = fontData.mid(eblc + 8, strikes * recordSize);
    QList<QByteArray> variants;
    for (qsizetype first = 0; first < strikes; ++first) {
        QByteArray variant = fontData;
        char *out = variant.data() + eblc + 8;
        qsizetype slot = 0;
        auto put = [&](qsizetype strike) {
            char *record = out + slot * recordSize;
            std::memcpy(record, records.constData() + strike * recordSize, recordSize);
            const auto ascent = static_cast<signed char>(record[ascentAt]);
            if (ascent > 0) {
                record[ppemXAt] = static_cast<char>(ascent);
                record[ppemYAt] = static_cast<char>(ascent);
            }
            ++slot;
        };
        put(first);
        for (qsizetype strike = 0; strike < strikes; ++strike) {
            if (strike != first)
                put(strike);
        }
        variants.append(variant);
    }
    return variants;
}

QString loadBitmapSansSerif(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> variants = strikeVariants(file.readAll());
    QString family;
    for (const QByteArray &variant : variants) {
        const int id = QFontDatabase::addApplicationFontFromData(variant);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty())
            return {};
        family = families.first();
    }
    if (!family.isEmpty())
        g_loadedFamily = family;
    return family;
}

QString programFontFamily()
{
    return g_loadedFamily.isEmpty() ? QStringLiteral("Liberation Sans") : g_loadedFamily;
}

QFont programFont(int pixelSize)
{
    QFont font(programFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace vorneta
