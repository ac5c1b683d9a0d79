// Loading a package of about 50 MiB in 2,000 members with LoadThemePackage, against the floor:
// reading the archive into memory and inflating every member with zlib directly. The variants
// take turns, round after round.
#include "BenchSupport.h"

#include <VelQtLib.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <zipwriter/ZipWriter.h>

#include <zlib.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace VelQtLib;

namespace {

constexpr int memberCount = 2000;
constexpr int memberSize = 50 * 1024 * 1024 / memberCount;

// Text that deflates about as well as descriptions and style sheets do.
QByteArray textMember(QRandomGenerator& random, int size)
{
    static const char* const words[]
        = {"\"type\": ", "\"qtbutton\", ", "\"name\": ", "\"x\": ", "12, ", "\"style\": [",
            "[\"btn0\", 0, 0], ", "\"attr\": {", "\"text\": \"OK\"}, ", "\"child\": [", "]}, ",
            "\"w\": 120, ", "\"h\": 32, ", "\"layout\": [0, 0, 8, 8], "};
    QByteArray data;
    data.reserve(size + 32);
    while (data.size() < size) {
        data += words[random.bounded(int(sizeof words / sizeof *words))];
        if (random.bounded(8) == 0)
            data += QByteArray::number(random.generate() % 100000) + ", ";
    }
    data.resize(size);
    return data;
}

// Bytes that hardly deflate, like the pixels inside PNG files.
QByteArray imageMember(QRandomGenerator& random, int size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(random.bounded(random.bounded(4) == 0 ? 256 : 16));
    return data;
}

// Inflates every member of an archive held in memory, as a reader must at the least.
class RawInflater {
public:
    bool run(const QString& path, bool checkCrc)
    {
        m_members.clear();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const int size = int(file.size());
        const uchar* d = file.map(0, size);
        if (!d)
            return false;
        int end = size - 22;
        while (end >= 0 && qFromLittleEndian<quint32>(d + end) != 0x06054b50)
            --end;
        if (end < 0)
            return false;
        const int entries = qFromLittleEndian<quint16>(d + end + 10);
        int at = int(qFromLittleEndian<quint32>(d + end + 16));
        for (int i = 0; i < entries; ++i) {
            if (at + 46 > size || qFromLittleEndian<quint32>(d + at) != 0x02014b50)
                return false;
            const int method = qFromLittleEndian<quint16>(d + at + 10);
            const quint32 crc = qFromLittleEndian<quint32>(d + at + 16);
            const quint32 packed = qFromLittleEndian<quint32>(d + at + 20);
            const quint32 unpacked = qFromLittleEndian<quint32>(d + at + 24);
            const int nameLength = qFromLittleEndian<quint16>(d + at + 28);
            const int extraLength = qFromLittleEndian<quint16>(d + at + 30);
            const int commentLength = qFromLittleEndian<quint16>(d + at + 32);
            const quint32 local = qFromLittleEndian<quint32>(d + at + 42);
            at += 46 + nameLength + extraLength + commentLength;
            if (unpacked == 0)
                continue;
            const uchar* header = d + local;
            const uchar* data = header + 30 + qFromLittleEndian<quint16>(header + 26)
                + qFromLittleEndian<quint16>(header + 28);
            std::unique_ptr<uchar[]> out(new uchar[unpacked]);
            if (method == 0) {
                std::memcpy(out.get(), data, unpacked);
            } else {
                z_stream stream {};
                stream.next_in = const_cast<uchar*>(data);
                stream.avail_in = packed;
                stream.next_out = out.get();
                stream.avail_out = unpacked;
                inflateInit2(&stream, -MAX_WBITS);
                const int status = inflate(&stream, Z_FINISH);
                inflateEnd(&stream);
                if (status != Z_STREAM_END)
                    return false;
            }
            if (checkCrc && crc32(0, out.get(), unpacked) != crc)
                return false;
            m_members.push_back(std::move(out));
        }
        return true;
    }

private:
    std::vector<std::unique_ptr<uchar[]>> m_members;
};

} // namespace

int main(int argc, char* argv[])
{
    Init();
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.data"));
    qint64 total = 0;
    {
        QRandomGenerator random(8);
        ZipWriter zip(path);
        zip.add("style.json", R"({"style": [
            {"type": 1, "name": "back", "drawImg": false, "clr": "fff6f6f8"},
            {"type": 2, "name": "text", "family": "DejaVu Sans", "size": 13}]})");
        zip.add("theme.json", R"({"elements": [{"child": [
            {"name": "qtbutton", "style": [["back", 0, 0], ["text", 0, 4]]}]}]})");
        for (int i = 0; i < memberCount; ++i) {
            const bool image = i % 4 == 0;
            const QByteArray data
                = image ? imageMember(random, memberSize) : textMember(random, memberSize);
            total += data.size();
            zip.add((image ? QStringLiteral("images/i%1.png") : QStringLiteral("layouts/d%1.json"))
                        .arg(i)
                        .toUtf8(),
                data);
        }
        if (!zip.close())
            return 1;
    }
    const QByteArray nativePath = QFile::encodeName(path);
    RawInflater raw;
    if (Bench::underCallgrind()) {
        const QString section = QStringLiteral("package load");
        Bench::countInstructions(section, QStringLiteral("LoadThemePackage"), 1,
            [&] { LoadThemePackage(nativePath.constData()); });
        Bench::countInstructions(
            section, QStringLiteral("zlib inflate"), 1, [&] { raw.run(path, false); });
        Bench::countInstructions(
            section, QStringLiteral("zlib inflate + CRC-32"), 1, [&] { raw.run(path, true); });
        return 0;
    }
    QVector<double> samples[3];
    const int roundCount = Bench::rounds(11);
    for (int round = 0; round < roundCount + 1; ++round) {
        for (int k = 0; k < 3; ++k) {
            const int variant = (round + k) % 3;
            QElapsedTimer timer;
            timer.start();
            bool ok = false;
            if (variant == 0)
                ok = LoadThemePackage(nativePath.constData());
            else
                ok = raw.run(path, variant == 2);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            if (!ok)
                return 1;
            // The first round brings the file into the page cache; it is not counted.
            if (round > 0)
                samples[variant] << ms;
        }
    }
    const QString section = QStringLiteral("package load (%1 MiB in %2 members)")
                                .arg(double(total) / (1 << 20), 0, 'f', 1)
                                .arg(memberCount + 2);
    Bench::printFigure(section, QStringLiteral("LoadThemePackage"), samples[0], "ms");
    Bench::printFigure(section, QStringLiteral("zlib inflate"), samples[1], "ms");
    Bench::printFigure(section, QStringLiteral("zlib inflate + CRC-32"), samples[2], "ms");
    Bench::printRatio(
        section, QStringLiteral("LoadThemePackage / zlib inflate"), samples[0], samples[1], 1.3);
    Bench::printRatio(section, QStringLiteral("LoadThemePackage / zlib inflate + CRC-32"),
        samples[0], samples[2]);
    return 0;
}
