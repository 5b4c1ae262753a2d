// Decoding speed of GIF pictures of the kinds people have: ours against giflib's DGifSlurp and
// Qt's reader, each doing its whole load on the same bytes in memory (gif_bench_decoders.h says
// what each one does). The pictures are made here (gif_bench_pictures.h), or are every GIF of
// the folder given.
//
// Every picture is first decoded by ours and by giflib, whose indexed pixels must agree frame by
// frame; where they do not, the bench says so. A warm-up decodes everything with all three, then
// each kind is timed in every round by the three decoders one after the other, the order turning
// from round to round, so that a change in the machine's load and the allocator's state fall on
// all of them alike. A kind whose pictures decode quickly is decoded several times in a row and
// the time divided. The table gives each kind's median over the rounds and the ratios, and the
// median of the rounds' totals.
//
// Usage: gif_decode_bench [rounds] [folder]   (at least 5 rounds; 9 by default, 5 for a folder)
#include "gif_bench_decoders.h"
#include "gif_bench_pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int MinRounds = 5;
constexpr int DefaultRounds = 9;
constexpr int DefaultFolderRounds = 5;
// How long ours should take for one timed run of a kind; the others take longer.
constexpr double KindSeconds = 0.008;
constexpr double FolderFileSeconds = 0.002;

enum TDecoder { Ours, Giflib, Qt, DecoderCount };
using TDecode = TDecodeResult (*)(const QByteArray&);
constexpr std::array<TDecode, DecoderCount> Decoders = {DecodeWithOurs, DecodeWithGiflib,
                                                        DecodeWithQt};
constexpr std::array<const char*, DecoderCount> DecoderNames = {"ours", "giflib", "Qt"};

struct TRow {
    TBenchKind Kind;
    int Frames = 0;
    qint64 Bytes = 0;
    int Repeats = 1;
    // Seconds for one pass over the kind's pictures, one entry per round.
    std::array<std::vector<double>, DecoderCount> Times;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QString LoadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readLine()).section(QLatin1Char(' '), 0, 2);
}

// One pass of the decoder over the kind's pictures, `repeats` times; seconds per pass.
double TimePasses(TDecoder decoder, const TBenchKind& kind, int repeats) {
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < repeats; ++r)
        for (const TBenchPicture& picture : kind.Pictures)
            Decoders[decoder](picture.Bytes);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count() / repeats;
}

// Decodes every picture once with each decoder and checks ours against giflib; returns how many
// pictures they decode apart. Pictures that ours or giflib cannot load are left out of the
// timing, with the reason.
int CheckPictures(std::vector<TRow>& rows, QStringList& notes) {
    int differing = 0;
    for (TRow& row : rows) {
        std::vector<TBenchPicture> kept;
        for (TBenchPicture& picture : row.Kind.Pictures) {
            std::array<TDecodeResult, DecoderCount> results;
            for (int d = 0; d < DecoderCount; ++d)
                results[d] = Decoders[d](picture.Bytes);
            for (int d = 0; d < DecoderCount; ++d)
                if (!results[d].Failure.isEmpty())
                    notes << QStringLiteral("%1: %2 fails: %3")
                                 .arg(picture.Name, DecoderNames[d], results[d].Failure);
            if (!results[Ours].Failure.isEmpty() || !results[Giflib].Failure.isEmpty()) {
                notes << QStringLiteral("%1: left out of the timing").arg(picture.Name);
                continue;
            }
            const QString difference =
                FirstDifference(OurFrames(picture.Bytes), GiflibFrames(picture.Bytes));
            if (!difference.isEmpty()) {
                ++differing;
                notes << QStringLiteral("%1: ours and giflib differ, %2 (ours / giflib)")
                             .arg(picture.Name, difference);
            }
            row.Frames += results[Giflib].Frames;
            row.Bytes += picture.Bytes.size();
            kept.push_back(std::move(picture));
        }
        row.Kind.Pictures = std::move(kept);
    }
    std::erase_if(rows, [](const TRow& row) { return row.Kind.Pictures.empty(); });
    return differing;
}

void WarmUp(std::vector<TRow>& rows, double seconds) {
    for (TRow& row : rows) {
        for (int d = 0; d < DecoderCount; ++d)
            TimePasses(static_cast<TDecoder>(d), row.Kind, 2);
        const double pass = TimePasses(Ours, row.Kind, 1);
        row.Repeats = std::clamp(static_cast<int>(std::ceil(seconds / pass)), 1, 100000);
    }
}

void RunRounds(std::vector<TRow>& rows, int rounds, std::vector<std::array<double, 3>>& totals) {
    std::printf("round  order               ours ms  giflib ms      Qt ms   load\n");
    for (int round = 0; round < rounds; ++round) {
        std::array<TDecoder, DecoderCount> order = {Ours, Giflib, Qt};
        std::rotate(order.begin(), order.begin() + round % DecoderCount, order.end());
        std::array<double, 3> total{};
        for (TRow& row : rows)
            for (TDecoder decoder : order) {
                const double seconds = TimePasses(decoder, row.Kind, row.Repeats);
                row.Times[decoder].push_back(seconds);
                total[decoder] += seconds;
            }
        totals.push_back(total);
        const QString orderText =
            QStringLiteral("%1,%2,%3")
                .arg(DecoderNames[order[0]], DecoderNames[order[1]], DecoderNames[order[2]]);
        std::printf("%5d  %-16s %10.2f %10.2f %10.2f   %s\n", round + 1, qPrintable(orderText),
                    total[Ours] * 1000, total[Giflib] * 1000, total[Qt] * 1000,
                    qPrintable(LoadAverage().section(QLatin1Char(' '), 0, 0)));
    }
}

void PrintLine(const QString& name, int pictures, int frames, double kilobytes,
               const std::array<double, 3>& us) {
    std::printf("%-34s %4d %6d %9.1f %11.1f %11.1f %11.1f %7.2f %7.2f\n", qPrintable(name.left(34)),
                pictures, frames, kilobytes, us[Ours], us[Giflib], us[Qt], us[Giflib] / us[Ours],
                us[Qt] / us[Ours]);
}

std::array<double, 3> MedianUs(const TRow& row) {
    return {Median(row.Times[Ours]) * 1e6, Median(row.Times[Giflib]) * 1e6,
            Median(row.Times[Qt]) * 1e6};
}

void PrintTable(const std::vector<TRow>& rows, const std::vector<std::array<double, 3>>& totals) {
    std::printf("\n%-34s %4s %6s %9s %11s %11s %11s %7s %7s\n", "kind (median us per pass)", "pics",
                "frames", "KB", "ours", "giflib", "Qt", "gif/our", "Qt/our");
    int pictures = 0, frames = 0;
    double kilobytes = 0;
    for (const TRow& row : rows) {
        const int count = static_cast<int>(row.Kind.Pictures.size());
        PrintLine(row.Kind.Name, count, row.Frames, row.Bytes / 1024.0, MedianUs(row));
        pictures += count;
        frames += row.Frames;
        kilobytes += row.Bytes / 1024.0;
    }
    std::array<std::vector<double>, 3> byDecoder;
    for (const auto& total : totals)
        for (int d = 0; d < DecoderCount; ++d)
            byDecoder[d].push_back(total[d]);
    PrintLine(QStringLiteral("total (median of the rounds)"), pictures, frames, kilobytes,
              {Median(byDecoder[Ours]) * 1e6, Median(byDecoder[Giflib]) * 1e6,
               Median(byDecoder[Qt]) * 1e6});
}

// For a folder: the ratio on each group's total time, and how often ours is the slower.
void PrintFolderSummary(const std::vector<TRow>& rows) {
    struct TGroup {
        const char* Name;
        bool (*Holds)(const TRow&);
    };
    static constexpr TGroup Groups[] = {
        {"all files",
         [](const TRow&) {
             return true;
         }},
        {"under 1 KB",
         [](const TRow& row) {
             return row.Bytes < 1024;
         }},
        {"1 KB to 10 KB",
         [](const TRow& row) {
             return row.Bytes >= 1024 && row.Bytes < 10240;
         }},
        {"10 KB and over",
         [](const TRow& row) {
             return row.Bytes >= 10240;
         }},
        {"animated",
         [](const TRow& row) {
             return row.Frames > 1;
         }},
    };
    std::printf("\n%-16s %6s %11s %11s %9s %13s %12s\n", "files", "count", "ours us", "giflib us",
                "gif/our", "median ratio", "ours slower");
    for (const TGroup& group : Groups) {
        double ours = 0, giflib = 0;
        int oursSlower = 0;
        std::vector<double> ratios;
        for (const TRow& row : rows) {
            if (!group.Holds(row))
                continue;
            const std::array<double, 3> us = MedianUs(row);
            ours += us[Ours];
            giflib += us[Giflib];
            oursSlower += us[Ours] > us[Giflib];
            ratios.push_back(us[Giflib] / us[Ours]);
        }
        if (!ratios.empty())
            std::printf("%-16s %6zu %11.1f %11.1f %9.2f %13.2f %12d\n", group.Name, ratios.size(),
                        ours, giflib, giflib / ours, Median(ratios), oursSlower);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    int rounds = 0;
    QString folder;
    for (int i = 1; i < argc; ++i) {
        bool number = false;
        const int value = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (number)
            rounds = std::max(MinRounds, value);
        else
            folder = QString::fromLocal8Bit(argv[i]);
    }
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        std::fprintf(stderr, "gif_decode_bench: %s is no folder\n", qPrintable(folder));
        return 2;
    }
    if (rounds == 0)
        rounds = folder.isEmpty() ? DefaultRounds : DefaultFolderRounds;

    std::vector<TRow> rows;
    for (TBenchKind& kind : folder.isEmpty() ? MakeBenchKinds() : ReadBenchFolder(folder))
        rows.push_back(TRow{std::move(kind), 0, 0, 1, {}});
    const QString loadBefore = LoadAverage();
    QStringList notes;
    const int differing = CheckPictures(rows, notes);
    if (rows.empty()) {
        std::fprintf(stderr, "gif_decode_bench: no picture both decoders can read\n");
        return 1;
    }
    WarmUp(rows, folder.isEmpty() ? KindSeconds : FolderFileSeconds);
    std::vector<std::array<double, 3>> totals;
    RunRounds(rows, rounds, totals);
    PrintTable(rows, totals);
    if (!folder.isEmpty())
        PrintFolderSummary(rows);
    if (!notes.isEmpty())
        std::printf("\n%s\n", qPrintable(notes.join(QLatin1Char('\n'))));
    std::size_t timed = 0;
    for (const TRow& row : rows)
        timed += row.Kind.Pictures.size();
    if (differing == 0)
        std::printf("\nours and giflib give the same indexed pixels in every frame of the %zu "
                    "pictures timed\n",
                    timed);
    else
        std::printf("\nours and giflib differ in %d of the pictures checked\n", differing);
    std::printf("load average (1, 5, 15 min): %s at the start, %s at the end; %d rounds\n",
                qPrintable(loadBefore), qPrintable(LoadAverage()), rounds);
    return 0;
}
