// Helper of bench/run.sh: builds a large project, and times programs with
// their peak memory.
//
//   benchtool project DIR AREAS WIDTH HEIGHT OBJECTS
//       DIR/bench.omb with AREAS areas (a fifth of them base areas, the rest
//       detail areas spread over them), OBJECTS labelled objects per area,
//       a zoom marker per detail area, and one photographic-looking
//       WIDTH x HEIGHT JPEG per area in DIR/areas; DIR/out is created empty.
//   benchtool picture PATH WIDTH HEIGHT
//       one photographic-looking WIDTH x HEIGHT JPEG.
//   benchtool plan PATH
//       an A1 PDF page of a floor plan drawn in vectors: walls, rooms,
//       hairline grid and furniture strokes.
//   benchtool time RUNS -- PROGRAM ARGS...
//       runs the program RUNS times; prints "<median ms> <peak KiB> <median
//       CPU ms>", the CPU time being user and system time of all its threads.
//   benchtool change DIR ROUND
//       an edit of the project in DIR from outside, as a session of work
//       makes them: one object moved, and the picture of one area (chosen by
//       ROUND) replaced by rename with one of new contents (the same picture
//       with ROUND in a comment, so it decodes the same).
//   benchtool fresh RUNS DIR -- PROGRAM ARGS...
//       as time, removing DIR before each run, untimed (a command that must
//       make DIR anew, as the import does); prints "<median ms> <peak KiB>
//       <median processor ms>", the last one less disturbed by a busy machine.
//   benchtool bmpdiff DIR1 DIR2
//       compares the bitmaps of the same name in two folders; prints "<count>
//       <largest mean absolute error of one channel> <its file>", or fails
//       when a bitmap is missing or differs in size.
//   benchtool djpeg RUNS AREASDIR OUTDIR
//       runs "djpeg -bmp -outfile OUTDIR/fileNNNN.bmp img_N.jpg" for every
//       picture, one after another, RUNS times; prints "<median ms> <peak KiB>".
//   benchtool compare RUNS AREASDIR OUTDIR -- PROGRAM ARGS...
//       alternates one run of the program with one djpeg loop, RUNS times, so
//       that both see the same machine; prints "<program median ms> <program
//       peak KiB> <djpeg median ms> <median of the per-round ratios>
//       <program best ms> <djpeg best ms> <shell-loop median ms>". The djpeg
//       loop starts each djpeg straight from this tool; the shell loop, also
//       timed each round, is the same work written as a plain sh for-loop.

#include "workspace/project.h"

#include <QDir>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <jpeglib.h>
#include <sqlite3.h>

namespace {

struct TRng
{
    std::uint64_t s;
    std::uint64_t fNext()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    double fUnit() { return double(fNext() >> 11) / double(1ull << 53); }
    int fInt(int n) { return int(fNext() % std::uint64_t(n)); }
};

[[noreturn]] void pFail(const std::string &s)
{
    std::fprintf(stderr, "benchtool: %s\n", s.c_str());
    std::exit(2);
}

void pExec(sqlite3 *db, const std::string &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK)
        pFail(std::string("sqlite: ") + (err ? err : "?"));
}

/** Smooth noise on a lattice of side `cell`, bilinear between random values. */
struct TNoise
{
    int cw, ch, cell;
    std::vector<float> v;
    TNoise(TRng &r, int w, int h, int c) : cw(w / c + 2), ch(h / c + 2), cell(c), v(std::size_t(cw * ch))
    {
        for (float &x : v)
            x = float(r.fUnit());
    }
    float at(int x, int y) const
    {
        const float fx = float(x) / float(cell), fy = float(y) / float(cell);
        const int ix = int(fx), iy = int(fy);
        const float tx = fx - float(ix), ty = fy - float(iy);
        auto g = [&](int a, int b) { return v[std::size_t(b * cw + a)]; };
        const float a = g(ix, iy) * (1 - tx) + g(ix + 1, iy) * tx;
        const float b = g(ix, iy + 1) * (1 - tx) + g(ix + 1, iy + 1) * tx;
        return a * (1 - ty) + b * ty;
    }
};

/** A picture with sky, horizon, soft objects, texture and grain. */
void pPicture(const std::string &path, int w, int h, std::uint64_t seed)
{
    TRng r{seed * 0x9E3779B97F4A7C15ull + 1};
    TNoise n1(r, w, h, 97), n2(r, w, h, 23), n3(r, w, h, 6), n4(r, w, h, 2);
    const float hue[3] = {float(r.fUnit()), float(r.fUnit()), float(r.fUnit())};
    const int horizon = h / 3 + r.fInt(h / 3);
    struct TRect
    {
        int x0, y0, x1, y1;
        float c[3];
    };
    std::vector<TRect> rects(std::size_t(8 + r.fInt(10)));
    for (TRect &q : rects) {
        q.x0 = r.fInt(w);
        q.y0 = r.fInt(h);
        q.x1 = q.x0 + 10 + r.fInt(w / 5);
        q.y1 = q.y0 + 10 + r.fInt(h / 4);
        for (float &c : q.c)
            c = float(r.fUnit());
    }
    struct TBlob
    {
        float x, y, rx, ry, c[3];
    };
    std::vector<TBlob> blobs(std::size_t(6 + r.fInt(8)));
    for (TBlob &b : blobs)
        b = {float(r.fInt(w)),
             float(r.fInt(h)),
             float(20 + r.fInt(w / 4)),
             float(20 + r.fInt(h / 4)),
             {float(r.fUnit()), float(r.fUnit()), float(r.fUnit())}};

    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        pFail("cannot write " + path);
    jpeg_compress_struct ci;
    jpeg_error_mgr err;
    ci.err = jpeg_std_error(&err);
    jpeg_create_compress(&ci);
    jpeg_stdio_dest(&ci, f);
    ci.image_width = JDIMENSION(w);
    ci.image_height = JDIMENSION(h);
    ci.input_components = 3;
    ci.in_color_space = JCS_RGB;
    jpeg_set_defaults(&ci);
    jpeg_set_quality(&ci, 88, TRUE);
    jpeg_start_compress(&ci, TRUE);
    std::vector<unsigned char> row(std::size_t(w) * 3);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float t = 0.45f * n1.at(x, y) + 0.25f * n2.at(x, y) + 0.18f * n3.at(x, y) + 0.12f * n4.at(x, y);
            float c[3];
            for (int k = 0; k < 3; ++k) {
                const float sky = 0.45f + 0.5f * hue[k] * (1.0f - float(y) / float(horizon));
                const float ground = 0.2f + 0.5f * hue[(k + 1) % 3] * t;
                c[k] = y < horizon ? sky + 0.08f * t : ground + 0.15f * t;
            }
            for (const TBlob &b : blobs) {
                const float dx = (float(x) - b.x) / b.rx, dy = (float(y) - b.y) / b.ry;
                const float d = dx * dx + dy * dy;
                if (d < 1.0f) {
                    const float a = (1.0f - d) * (1.0f - d);
                    for (int k = 0; k < 3; ++k)
                        c[k] = c[k] * (1 - a) + a * (b.c[k] * 0.8f + 0.2f * t);
                }
            }
            for (const TRect &q : rects) {
                // sharp-edged things with their own texture: furniture, windows, frames
                if (x >= q.x0 && x < q.x1 && y >= q.y0 && y < q.y1) {
                    const bool edge = x - q.x0 < 2 || q.x1 - x <= 2 || y - q.y0 < 2 || q.y1 - y <= 2;
                    for (int k = 0; k < 3; ++k)
                        c[k] = edge ? 0.1f : q.c[k] * (0.7f + 0.6f * n4.at(x, y));
                }
            }
            for (int k = 0; k < 3; ++k) {
                const float grain = float(int(r.fNext() % 25) - 12) / 255.0f;
                const float v = std::clamp(c[k] + grain, 0.0f, 1.0f);
                row[std::size_t(3 * x + k)] = static_cast<unsigned char>(v * 255.0f + 0.5f);
            }
        }
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&ci, &p, 1);
    }
    jpeg_finish_compress(&ci);
    jpeg_destroy_compress(&ci);
    std::fclose(f);
}

int fProject(int argc, char **argv)
{
    if (argc != 7)
        pFail("project DIR AREAS WIDTH HEIGHT OBJECTS");
    const std::string dir = argv[2];
    const int nAreas = std::atoi(argv[3]), w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    const int nObj = std::atoi(argv[6]);
    ::mkdir(dir.c_str(), 0755);
    ::mkdir((dir + "/areas").c_str(), 0755);
    ::mkdir((dir + "/out").c_str(), 0755);
    const std::string dbPath = dir + "/bench.omb";
    ::unlink(dbPath.c_str());
    sqlite3 *db = nullptr;
    if (sqlite3_open(dbPath.c_str(), &db) != SQLITE_OK)
        pFail("cannot create " + dbPath);
    pExec(db, sArea.toStdString());
    pExec(db, sSensori.toStdString());
    pExec(db, "BEGIN");
    const int nBase = std::max(1, nAreas / 5);
    TRng r{12345};
    static const char *const aNomi[] = {"Ingresso", "Cucina",  "Soggiorno", "Camera",    "Bagno",      "Studio",
                                        "Garage",   "Cantina", "Terrazzo",  "Corridoio", "Lavanderia", "Giardino"};
    for (int id = 1; id <= nAreas; ++id) {
        const bool base = id <= nBase;
        const int father = base ? 0 : 1 + (id - nBase - 1) % nBase;
        pExec(db, "insert into tbarea (_id, livello, father_id, NomeArea, Ordinamento) values (" + std::to_string(id) +
                      ", " + (base ? "0" : "1") + ", " + std::to_string(father) + ", \"" + aNomi[id % 12] + " " +
                      std::to_string(id) + "\", 0)");
        if (!base) {
            pExec(db, "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, ZonaSensore, "
                      "CoordX, CoordY, Orientamento) values (" +
                          std::to_string(father) + ", " + std::to_string(id) + ", 0, 32, 3, 1, " +
                          std::to_string(r.fInt(440)) + ", " + std::to_string(40 + r.fInt(200)) + ", 0)");
        }
    }
    static const int aTipi[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};
    for (int id = 1; id <= nAreas; ++id) {
        for (int k = 0; k < nObj; ++k) {
            const int tipo = aTipi[r.fInt(9)];
            const int icon = 16 * (1 + r.fInt(3));
            const int x = r.fInt(480 - icon), y = 34 + r.fInt(272 - 34 - icon);
            const int x2 = tipo == 4 ? r.fInt(473) : 0, y2 = tipo == 4 ? 34 + r.fInt(231) : 0;
            pExec(db, "insert into tbsensori (area_id, area_zoom, NumSensore, IconSize, TipoSensore, ZonaSensore, "
                      "CoordX, CoordY, CoordX2, CoordY2, CoordXt, CoordYt, FontTxt, ColorTxt, Testo, Orientamento) "
                      "values (" +
                          std::to_string(id) + ", 0, " + std::to_string(1 + r.fInt(128)) + ", " + std::to_string(icon) +
                          ", " + std::to_string(tipo) + ", 1, " + std::to_string(x) + ", " + std::to_string(y) + ", " +
                          std::to_string(x2) + ", " + std::to_string(y2) + ", " +
                          std::to_string(std::min(x + icon, 440)) + ", " + std::to_string(y) + ", " +
                          std::to_string(1 + r.fInt(9)) + ", " + std::to_string(1 + r.fInt(10)) + ", \"" +
                          aNomi[r.fInt(12)] + " " + std::to_string(k) + "\", 0)");
        }
    }
    pExec(db, "COMMIT");
    sqlite3_close(db);
    for (int id = 1; id <= nAreas; ++id)
        pPicture(dir + "/areas/img_" + std::to_string(id) + ".jpg", w, h, std::uint64_t(id));
    return 0;
}

/** Runs argv to its end; returns wall milliseconds, adds its peak RSS (KiB) to *pPeak and, when asked, its CPU
 *  milliseconds to *pCpu. */
double fRun(char *const *argv, long *pPeak, bool bQuiet, double *pCpu = nullptr)
{
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (bQuiet) {
            // its messages too: a failure is told below, by its exit status
            std::FILE *nul = std::freopen("/dev/null", "w", stdout);
            nul = std::freopen("/dev/null", "w", stderr);
            (void)nul;
        }
        ::execvp(argv[0], argv);
        std::_Exit(127);
    }
    int status = 0;
    rusage ru{};
    ::wait4(pid, &status, 0, &ru);
    const auto t1 = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        pFail(std::string("command failed: ") + argv[0]);
    *pPeak = std::max(*pPeak, ru.ru_maxrss);
    if (pCpu)
        *pCpu = double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000.0 +
                double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1000.0;
    return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

double fMedian(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int fTime(int argc, char **argv)
{
    if (argc < 5 || std::strcmp(argv[3], "--") != 0)
        pFail("time RUNS -- PROGRAM ARGS...");
    const int runs = std::atoi(argv[2]);
    std::vector<double> t, cpu;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        double c = 0;
        t.push_back(fRun(argv + 4, &peak, true, &c));
        cpu.push_back(c);
    }
    std::printf("%.1f %ld %.1f\n", fMedian(t), peak, fMedian(cpu));
    return 0;
}

int fFresh(int argc, char **argv)
{
    if (argc < 6 || std::strcmp(argv[4], "--") != 0)
        pFail("fresh RUNS DIR -- PROGRAM ARGS...");
    const int runs = std::atoi(argv[2]);
    std::vector<double> t, cpu;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        QDir(QString::fromLocal8Bit(argv[3])).removeRecursively();
        double c = 0;
        t.push_back(fRun(argv + 5, &peak, true, &c));
        cpu.push_back(c);
    }
    std::printf("%.1f %ld %.1f\n", fMedian(t), peak, fMedian(cpu));
    return 0;
}

int fBmpDiff(int argc, char **argv)
{
    if (argc != 4)
        pFail("bmpdiff DIR1 DIR2");
    const QDir a(QString::fromLocal8Bit(argv[2])), b(QString::fromLocal8Bit(argv[3]));
    double worst = 0;
    QString worstFile = QStringLiteral("-");
    const QStringList files = a.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    for (const QString &f : files) {
        const QImage x = QImage(a.filePath(f), "BMP").convertToFormat(QImage::Format_RGB888);
        const QImage y = QImage(b.filePath(f), "BMP").convertToFormat(QImage::Format_RGB888);
        if (x.isNull() || y.isNull() || x.size() != y.size())
            pFail("bitmap missing or of another size: " + f.toStdString());
        double sum[3] = {0, 0, 0};
        for (int r = 0; r < x.height(); ++r) {
            const uchar *p = x.constScanLine(r), *q = y.constScanLine(r);
            for (int i = 0; i < 3 * x.width(); ++i)
                sum[i % 3] += std::abs(int(p[i]) - int(q[i]));
        }
        const double mae = std::max({sum[0], sum[1], sum[2]}) / (double(x.width()) * x.height());
        if (mae > worst) {
            worst = mae;
            worstFile = f;
        }
    }
    std::printf("%lld %.3f %s\n", static_cast<long long>(files.size()), worst, worstFile.toLocal8Bit().constData());
    return 0;
}

std::vector<int> fIds(const std::string &areas)
{
    std::vector<int> ids;
    if (DIR *d = ::opendir(areas.c_str())) {
        while (dirent *e = ::readdir(d)) {
            int id = 0;
            if (std::sscanf(e->d_name, "img_%d.jpg", &id) == 1)
                ids.push_back(id);
        }
        ::closedir(d);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

/** One djpeg run over every picture, one after another; wall ms. */
double fDjpegLoop(const std::string &areas, const std::string &out, const std::vector<int> &ids, long *pPeak)
{
    double total = 0;
    for (int id : ids) {
        char name[32];
        std::snprintf(name, sizeof name, "/file%04d.bmp", id);
        std::string outFile = out + name, in = areas + "/img_" + std::to_string(id) + ".jpg";
        char *args[] = {const_cast<char *>("djpeg"),
                        const_cast<char *>("-bmp"),
                        const_cast<char *>("-outfile"),
                        outFile.data(),
                        in.data(),
                        nullptr};
        total += fRun(args, pPeak, false);
    }
    return total;
}

int fDjpeg(int argc, char **argv)
{
    if (argc != 5)
        pFail("djpeg RUNS AREASDIR OUTDIR");
    const int runs = std::atoi(argv[2]);
    const std::vector<int> ids = fIds(argv[3]);
    std::vector<double> t;
    long peak = 0;
    for (int i = 0; i < runs; ++i)
        t.push_back(fDjpegLoop(argv[3], argv[4], ids, &peak));
    std::printf("%.1f %ld\n", fMedian(t), peak);
    return 0;
}

int fCompare(int argc, char **argv)
{
    if (argc < 7 || std::strcmp(argv[5], "--") != 0)
        pFail("compare RUNS AREASDIR OUTDIR -- PROGRAM ARGS...");
    const int runs = std::atoi(argv[2]);
    const std::vector<int> ids = fIds(argv[3]);
    std::vector<double> tp, td, ts, r;
    long peak = 0, peakDjpeg = 0;
    std::string script = "for f in \"$1\"/img_*.jpg; do djpeg -bmp \"$f\" > \"$2/${f##*/}.bmp\"; done";
    std::string areas = argv[3], out = argv[4];
    char *shell[] = {const_cast<char *>("sh"),
                     const_cast<char *>("-c"),
                     script.data(),
                     const_cast<char *>("sh"),
                     areas.data(),
                     out.data(),
                     nullptr};
    for (int i = 0; i < runs; ++i) {
        tp.push_back(fRun(argv + 6, &peak, true));
        td.push_back(fDjpegLoop(argv[3], argv[4], ids, &peakDjpeg));
        ts.push_back(fRun(shell, &peakDjpeg, false));
        r.push_back(tp.back() / td.back());
    }
    std::printf("%.1f %ld %.1f %.3f %.1f %.1f %.1f\n", fMedian(tp), peak, fMedian(td), fMedian(r),
                *std::min_element(tp.begin(), tp.end()), *std::min_element(td.begin(), td.end()), fMedian(ts));
    return 0;
}

/** The JPEG file ab with a comment holding sText right after its start marker. */
std::string fConCommento(const std::string &ab, const std::string &sText)
{
    if (ab.size() < 2 || static_cast<unsigned char>(ab[0]) != 0xFF || static_cast<unsigned char>(ab[1]) != 0xD8)
        pFail("not a JPEG");
    const std::size_t n = sText.size() + 2;
    std::string marker = {char(0xFF), char(0xFE), char(n >> 8), char(n & 0xFF)};
    return ab.substr(0, 2) + marker + sText + ab.substr(2);
}

int fChange(int argc, char **argv)
{
    if (argc != 4)
        pFail("change DIR ROUND");
    const std::string dir = argv[2];
    const int round = std::atoi(argv[3]);
    sqlite3 *db = nullptr;
    if (sqlite3_open((dir + "/bench.omb").c_str(), &db) != SQLITE_OK)
        pFail("cannot open " + dir + "/bench.omb");
    sqlite3_busy_timeout(db, 5000);
    pExec(db, "UPDATE tbsensori SET CoordX = (CoordX + 7) % 440 WHERE _id = (SELECT min(_id) FROM tbsensori)");
    sqlite3_close(db);
    const std::vector<int> ids = fIds(dir + "/areas");
    if (ids.empty())
        pFail("no pictures in " + dir + "/areas");
    const std::string img = dir + "/areas/img_" + std::to_string(ids[std::size_t(round) % ids.size()]) + ".jpg";
    std::FILE *f = std::fopen(img.c_str(), "rb");
    if (!f)
        pFail("cannot read " + img);
    std::string ab;
    char buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        ab.append(buf, n);
    std::fclose(f);
    // the comment of an earlier round goes: each round's picture is new, not one more comment longer
    if (ab.size() > 4 && static_cast<unsigned char>(ab[2]) == 0xFF && static_cast<unsigned char>(ab[3]) == 0xFE)
        ab.erase(2, 2 + ((std::size_t(static_cast<unsigned char>(ab[4])) << 8) | static_cast<unsigned char>(ab[5])));
    const std::string out = fConCommento(ab, "round " + std::to_string(round));
    const std::string tmp = dir + "/areas/.nuova";
    f = std::fopen(tmp.c_str(), "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0)
        pFail("cannot write " + tmp);
    if (std::rename(tmp.c_str(), img.c_str()) != 0)
        pFail("cannot rename " + tmp);
    return 0;
}

} // namespace

int fPlan(int argc, char **argv)
{
    if (argc != 3)
        pFail("plan PATH");
    TRng r{16};
    std::string sPagina = "0.2 w 0.6 g\n";
    // the hairline grid every 20 points
    for (int x = 40; x <= 1644; x += 20)
        sPagina += std::to_string(x) + " 40 m " + std::to_string(x) + " 2344 l\n";
    for (int y = 40; y <= 2344; y += 20)
        sPagina += "40 " + std::to_string(y) + " m 1644 " + std::to_string(y) + " l\n";
    sPagina += "S 0 G 4 w\n";
    // rooms with thick walls, furniture in thin strokes
    for (int i = 0; i < 60; ++i) {
        const int x = 60 + r.fInt(1400), y = 60 + r.fInt(2100), w = 80 + r.fInt(200), h = 80 + r.fInt(200);
        sPagina +=
            std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) + " " + std::to_string(h) + " re S\n";
    }
    sPagina += "0.5 w\n";
    for (int i = 0; i < 20000; ++i) {
        const int x = 60 + r.fInt(1560), y = 60 + r.fInt(2260);
        sPagina += std::to_string(x) + " " + std::to_string(y) + " m " + std::to_string(x + r.fInt(30)) + " " +
                   std::to_string(y + r.fInt(30)) + " l\n";
    }
    sPagina += "S\n";
    const std::vector<std::string> aOggetti = {
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 1684 2384] /Contents 4 0 R >>",
        "<< /Length " + std::to_string(sPagina.size()) + " >>\nstream\n" + sPagina + "endstream"};
    std::string sPdf = "%PDF-1.4\n";
    std::vector<std::size_t> aPos;
    for (std::size_t i = 0; i < aOggetti.size(); ++i) {
        aPos.push_back(sPdf.size());
        sPdf += std::to_string(i + 1) + " 0 obj\n" + aOggetti[i] + "\nendobj\n";
    }
    const std::size_t iXref = sPdf.size();
    sPdf += "xref\n0 " + std::to_string(aOggetti.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t p : aPos) {
        char sz[32];
        std::snprintf(sz, sizeof sz, "%010zu 00000 n \n", p);
        sPdf += sz;
    }
    sPdf += "trailer\n<< /Size " + std::to_string(aOggetti.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
            std::to_string(iXref) + "\n%%EOF\n";
    std::FILE *f = std::fopen(argv[2], "wb");
    if (!f || std::fwrite(sPdf.data(), 1, sPdf.size(), f) != sPdf.size() || std::fclose(f) != 0)
        pFail(std::string("cannot write ") + argv[2]);
    return 0;
}

int main(int argc, char **argv)
{
    const std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "project")
        return fProject(argc, argv);
    if (cmd == "time")
        return fTime(argc, argv);
    if (cmd == "fresh")
        return fFresh(argc, argv);
    if (cmd == "bmpdiff")
        return fBmpDiff(argc, argv);
    if (cmd == "picture" && argc == 5) {
        pPicture(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), 16);
        return 0;
    }
    if (cmd == "plan")
        return fPlan(argc, argv);
    if (cmd == "djpeg")
        return fDjpeg(argc, argv);
    if (cmd == "compare")
        return fCompare(argc, argv);
    if (cmd == "change")
        return fChange(argc, argv);
    pFail("usage: benchtool project|picture|plan|time|fresh|bmpdiff|djpeg|compare|change ...");
}
