#pragma once

#include <QImage>
#include <QString>

// A barcode symbol drawn by libzint: "Code128" or "QR" (also "EAN13", "Code39", "PDF417").
// A null image, with the reason, when the data cannot be encoded.
QImage BarcodeImage(const QString &type, const QString &data, QString *error = nullptr);
QStringList BarcodeTypes();
// A value the symbology takes as it stands: what the designer shows while the data of a
// barcode is not known.
QString BarcodeSample(const QString &type);
