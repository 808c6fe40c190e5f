// Draws the small flag pictures of the memory-aid languages into the given
// folder. Run at build time so the pictures are ours and need no binary files
// in the repository.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

constexpr int kBreite = 21; // divisible by three for the tricolours
constexpr int kHoehe = 15;
constexpr int kRand = 1;    // grey frame so white parts stand out on white paper

using Maler = std::function<QColor(int x, int y)>;

QImage Zeichnen(const Maler &farbe)
{
    QImage bild(kBreite + 2 * kRand, kHoehe + 2 * kRand, QImage::Format_RGB32);
    bild.fill(QColor(0x80, 0x80, 0x80));
    for (int y = 0; y < kHoehe; ++y)
        for (int x = 0; x < kBreite; ++x)
            bild.setPixelColor(x + kRand, y + kRand, farbe(x, y));
    return bild;
}

QColor Deutschland(int, int y)
{
    if (y < kHoehe / 3)
        return QColor(0, 0, 0);
    if (y < 2 * kHoehe / 3)
        return QColor(0xDD, 0, 0);
    return QColor(0xFF, 0xCE, 0);
}

QColor Frankreich(int x, int)
{
    if (x < kBreite / 3)
        return QColor(0, 0x23, 0x95);
    if (x < 2 * kBreite / 3)
        return QColor(0xFF, 0xFF, 0xFF);
    return QColor(0xED, 0x29, 0x39);
}

QColor Italien(int x, int)
{
    if (x < kBreite / 3)
        return QColor(0, 0x92, 0x46);
    if (x < 2 * kBreite / 3)
        return QColor(0xFF, 0xFF, 0xFF);
    return QColor(0xCE, 0x2B, 0x37);
}

QColor Spanien(int, int y)
{
    // Red, yellow twice as high, red.
    if (y < 4 || y >= kHoehe - 4)
        return QColor(0xAA, 0x15, 0x1B);
    return QColor(0xF1, 0xBF, 0);
}

QColor Amerika(int x, int y)
{
    // Blue canton with a pattern of white points for the stars, then
    // alternating red and white stripes, red at top and bottom.
    if (x < 9 && y < 8) {
        bool stern = (y % 2 == 1) && ((x + (y / 2) % 2) % 2 == 1);
        return stern ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x3C, 0x3B, 0x6E);
    }
    return (y % 2 == 0) ? QColor(0xB2, 0x22, 0x34) : QColor(0xFF, 0xFF, 0xFF);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s <Zielordner>\n", argv[0]);
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(ordner)) {
        std::fprintf(stderr, "Ordner %s kann nicht angelegt werden\n", argv[1]);
        return 1;
    }
    const struct {
        const char *datei;
        Maler maler;
    } flaggen[] = {
        {"deutschland.bmp", Deutschland}, {"amerika.bmp", Amerika}, {"frankreich.bmp", Frankreich},
        {"spanien.bmp", Spanien},         {"italien.bmp", Italien},
    };
    for (const auto &f : flaggen) {
        const QString pfad = QDir(ordner).filePath(QString::fromLatin1(f.datei));
        if (!Zeichnen(f.maler).save(pfad, "BMP")) {
            std::fprintf(stderr, "%s kann nicht geschrieben werden\n", qPrintable(pfad));
            return 1;
        }
    }
    return 0;
}
