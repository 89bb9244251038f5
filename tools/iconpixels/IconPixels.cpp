// Build-time tool: decodes the program icon's PNGs once, on the build machine, and writes their pixels as a C++
// source, so that the program shows its icon without starting a PNG decoder.
//
//   corvanta_icon_pixels OUTPUT.cpp PICTURE.png...
//
// Each picture must be square. The pixels are written in the form a window's icon pictures take in memory
// (premultiplied ARGB, one 32-bit number each), so the program borrows them as they are.
#include <QImage>
#include <QString>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Picture
{
    int size = 0;
    QImage image;
};

bool writeSource(const std::string& path, const std::vector<Picture>& pictures)
{
    std::ofstream out(path);
    out << "// Written by corvanta_icon_pixels from packaging/icons at build time; edit the PNGs, not this.\n"
           "#include \"ProgramIconPixels.h\"\n\n"
           "#include <array>\n\n"
           "namespace shell {\n\n"
           "namespace {\n\n";
    for (const Picture& picture : pictures) {
        out << "const std::uint32_t pixels" << picture.size << "[] = {";
        for (int y = 0; y < picture.size; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(picture.image.constScanLine(y));
            for (int x = 0; x < picture.size; ++x) {
                out << (x % 8 == 0 ? "\n    " : " ") << "0x" << std::hex << std::setw(8) << std::setfill('0') << row[x]
                    << std::dec << "u,";
            }
        }
        out << "\n};\n\n";
    }
    out << "const std::array<IconPicture, " << pictures.size() << "> pictures { {\n";
    for (const Picture& picture : pictures)
        out << "    { " << picture.size << ", pixels" << picture.size << " },\n";
    out << "} };\n\n"
           "} // namespace\n\n"
           "std::span<const IconPicture> programIconPictures()\n"
           "{\n"
           "    return pictures;\n"
           "}\n\n"
           "} // namespace shell\n";
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.cpp PICTURE.png...\n";
        return 2;
    }
    std::vector<Picture> pictures;
    for (int i = 2; i < argc; ++i) {
        const QImage decoded(QString::fromLocal8Bit(argv[i]));
        if (decoded.isNull() || decoded.width() != decoded.height()) {
            std::cerr << argv[i] << ": not a square picture\n";
            return 1;
        }
        pictures.push_back({ decoded.width(), decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied) });
    }
    if (!writeSource(argv[1], pictures)) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
