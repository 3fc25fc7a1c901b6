// Writes the program's icon images as C++ arrays of the pixels the program draws
// (premultiplied 32-bit ARGB in this machine's byte order, rows top to bottom), so that
// the first window shows its icon without decoding a PNG file: reading one makes Qt
// look through its image plug-ins first.
// Usage: tonalyst_iconpixels OUT.cpp SIZE IN.png [SIZE IN.png ...]
#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: %s OUT.cpp SIZE IN.png [SIZE IN.png ...]\n", argv[0]);
        return 2;
    }
    QByteArray source = "// Written by tonalyst_iconpixels from the icon PNG files; do not edit.\n"
                        "#include \"startup/IconPixels.h\"\n\nnamespace tonalyst {\n\nnamespace {\n\n";
    QByteArray table = "} // namespace\n\nconst std::array<IconPixels, " + QByteArray::number((argc - 2) / 2) +
                       "> kIconPixels = {{\n";
    for (int i = 2; i < argc; i += 2) {
        const int size = std::atoi(argv[i]);
        QImage image(QString::fromLocal8Bit(argv[i + 1]));
        if (image.isNull() || image.width() != size || image.height() != size) {
            std::fprintf(stderr, "%s: %s is not a %d-pixel square image\n", argv[0], argv[i + 1], size);
            return 1;
        }
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        const QByteArray name = "kIcon" + QByteArray::number(size);
        source += "alignas(4) const unsigned char " + name + "[] = {";
        const auto* bytes = image.constBits();
        for (qsizetype b = 0; b < image.sizeInBytes(); ++b)
            source += (b % 24 == 0 ? "\n    " : " ") + QByteArray::number(bytes[b]) + ',';
        source += "\n};\n\n";
        table += "    {" + QByteArray::number(size) + ", " + name + "},\n";
    }
    source += table + "}};\n\n} // namespace tonalyst\n";
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
