#include "reports/Barcode.h"

#include <QStringList>

#include <zint.h>

namespace {
int Symbology(const QString &type)
{
    if (type.compare(u"QR", Qt::CaseInsensitive) == 0)
        return BARCODE_QRCODE;
    if (type.compare(u"EAN13", Qt::CaseInsensitive) == 0)
        return BARCODE_EANX;
    if (type.compare(u"Code39", Qt::CaseInsensitive) == 0)
        return BARCODE_CODE39;
    if (type.compare(u"PDF417", Qt::CaseInsensitive) == 0)
        return BARCODE_PDF417;
    return BARCODE_CODE128;
}
} // namespace

QStringList BarcodeTypes()
{
    return {QStringLiteral("Code128"), QStringLiteral("QR"), QStringLiteral("EAN13"),
            QStringLiteral("Code39"), QStringLiteral("PDF417")};
}

QString BarcodeSample(const QString &type)
{
    // Twelve digits: the thirteenth, the check digit, is computed.
    if (Symbology(type) == BARCODE_EANX)
        return QStringLiteral("690123456789");
    return QStringLiteral("AR26120001");
}

QImage BarcodeImage(const QString &type, const QString &data, QString *error)
{
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("条码内容为空");
        return QImage();
    }
    zint_symbol *symbol = ZBarcode_Create();
    symbol->symbology = Symbology(type);
    symbol->input_mode = UNICODE_MODE;
    // The readable text goes into a text object of its own: zint's bitmap font turns to
    // noise once the symbol is scaled to its rectangle.
    symbol->show_hrt = 0;
    symbol->scale = 2;
    const QByteArray utf8 = data.toUtf8();
    const int rc = ZBarcode_Encode_and_Buffer(
        symbol, reinterpret_cast<const unsigned char *>(utf8.constData()), int(utf8.size()), 0);
    QImage image;
    if (rc < ZINT_ERROR && symbol->bitmap) {
        image = QImage(symbol->bitmap_width, symbol->bitmap_height, QImage::Format_RGB32);
        const unsigned char *p = reinterpret_cast<const unsigned char *>(symbol->bitmap);
        for (int y = 0; y < symbol->bitmap_height; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < symbol->bitmap_width; ++x, p += 3)
                line[x] = qRgb(p[0], p[1], p[2]);
        }
    } else if (error) {
        *error = QString::fromLatin1(symbol->errtxt);
    }
    ZBarcode_Delete(symbol);
    return image;
}
