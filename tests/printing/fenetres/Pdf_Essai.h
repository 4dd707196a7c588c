#pragma once
// Reading back a printed PDF with poppler's tools: its text (pdftotext) and the longest black
// runs of its first page rasterised at 254 dots per inch, ten pixels to the millimetre
// (pdftoppm, without anti-aliasing).
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <gtest/gtest.h>

namespace gabarit::test {

inline QByteArray Lance(const QString &programme, const QStringList &arguments) {
    const QString chemin = QStandardPaths::findExecutable(programme);
    EXPECT_FALSE(chemin.isEmpty())
        << programme.toStdString() << " is missing: scripts/install-deps.sh installs poppler-utils";
    QProcess p;
    p.start(chemin, arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

inline QString Texte_Pdf(const QString &pdf) {
    return QString::fromUtf8(
        Lance(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

// Longest horizontal and vertical runs of dark pixels of page 1, in pixels of 0.1 mm.
struct Traits_Noirs {
    int horizontal = 0, vertical = 0;
};

inline Traits_Noirs Mesure_Pdf(const QString &pdf, const QString &prefixe) {
    Lance(QStringLiteral("pdftoppm"),
          {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-aa"), QStringLiteral("no"),
           QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-gray"),
           QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
           pdf, prefixe});
    QFile f(prefixe + QStringLiteral("-1.pgm"));
    Traits_Noirs r;
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no raster of " << pdf.toStdString();
        return r;
    }
    // Binary PGM: "P5", width height, 255, then one byte per pixel.
    const QByteArray d = f.readAll();
    int champs = 0, pos = 0, v[4] = {};
    while (champs < 4 && pos < d.size()) {
        while (pos < d.size() && QChar(d[pos]).isSpace())
            ++pos;
        int debut = pos;
        while (pos < d.size() && !QChar(d[pos]).isSpace())
            ++pos;
        v[champs] = d.mid(debut, pos - debut).toInt(); // "P5" reads as 0
        ++champs;
    }
    ++pos; // the one blank after the maximum value
    const int w = v[1], h = v[2];
    auto noir = [&](int x, int y) { return static_cast<unsigned char>(d[pos + y * w + x]) < 128; };
    for (int y = 0; y < h; ++y)
        for (int x = 0, n = 0; x < w; ++x) {
            n = noir(x, y) ? n + 1 : 0;
            r.horizontal = std::max(r.horizontal, n);
        }
    for (int x = 0; x < w; ++x)
        for (int y = 0, n = 0; y < h; ++y) {
            n = noir(x, y) ? n + 1 : 0;
            r.vertical = std::max(r.vertical, n);
        }
    return r;
}

} // namespace gabarit::test
