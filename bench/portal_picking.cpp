// Eyedropper start on a Wayland session (run inside headless sway by
// bench/wayland_picking.sh): from the command to the snapshot on screen as
// the compositor shows it, against a bare screenshot through the desktop
// portal in the same session. The compositor's side is read with grim, over
// and over from the moment the start returns (the snapshot cannot be on
// screen before), at a pixel of the readout in the snapshot's corner: the
// clock stops when a grim that saw it there returns, so the figure errs long
// by at most one grim call (its median is printed too).
#include "app/application.h"
#include "forms/unit1.h"
#include "forms/unit2.h"
#include "forms/windows.h"
#include "platform/portalcapture.h"
#include "widgets/timage.h"

#include <QScreen>
#include <QWindow>

#include <atomic>
#include <cstdio>
#include <thread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::map<std::string, std::vector<double>> samples; // milliseconds, by benchmark

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents();
    }
}

// One pixel of the screen as the compositor shows it, as six hex digits.
std::string ScreenPixel(const QPoint& at)
{
    const std::string command =
        "grim -g '" + std::to_string(at.x()) + "," + std::to_string(at.y()) + " 1x1' -t ppm - 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string bytes;
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        bytes.append(buffer, n);
    pclose(pipe);
    if (bytes.size() < 3)
        return {};
    char hex[7];
    std::snprintf(hex, sizeof hex, "%02x%02x%02x", static_cast<unsigned char>(bytes[bytes.size() - 3]),
                  static_cast<unsigned char>(bytes[bytes.size() - 2]),
                  static_cast<unsigned char>(bytes[bytes.size() - 1]));
    return hex;
}

// Polls the pixel from another thread until it is no longer `before`; the
// time is taken when the grim call that saw the change returns.
struct PixelWatch {
    std::atomic<bool> seen{false};
    Clock::time_point when;
    std::vector<double> calls; // milliseconds per grim call
    std::thread thread;
    PixelWatch(QPoint at, std::string before)
        : thread([this, at, before] {
              while (true) {
                  const auto t = Clock::now();
                  const std::string now = ScreenPixel(at);
                  const auto done = Clock::now();
                  calls.push_back(std::chrono::duration<double>(done - t).count() * 1000);
                  if (!now.empty() && now != before) {
                      when = done;
                      seen = true;
                      return;
                  }
              }
          })
    {
    }
    ~PixelWatch() { thread.join(); }
};

// Resident memory in MB.
double ResidentMb()
{
    FILE* f = std::fopen("/proc/self/statm", "r");
    long pages = 0;
    long resident = 0;
    if (f != nullptr) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4096.0 / 1e6;
}

void EyedropperStart(benchmark::State& state)
{
    auto& before = samples["memory before"];
    auto& during = samples["memory while picking"];
    auto& after = samples["memory after"];
    auto& picture = samples["picture"];
    auto& out = samples["eyedropper start"];
    auto& grims = samples["grim call"];
    // Inside the readout's frame, in the corner of the main window's output.
    const QRect output = Form1->screen()->geometry();
    const QPoint probe(output.right() - 240, output.bottom() - 90);
    for (auto _ : state) {
        const std::string unpicked = ScreenPixel(probe);
        before.push_back(ResidentMb());
        Clock::time_point t0;
        {
            t0 = Clock::now();
            // The snapshot cannot be on screen before the start returns;
            // grim is kept off the machine while the portal works.
            Form1->spbToolPixGetClick(nullptr);
            PixelWatch watch(probe, unpicked);
            while (!watch.seen)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            const std::chrono::duration<double> took = watch.when - t0;
            state.SetIterationTime(took.count());
            out.push_back(took.count() * 1000);
            grims.insert(grims.end(), watch.calls.begin(), watch.calls.end());
            Settle();
            during.push_back(ResidentMb());
            picture.push_back(Form2->imgMain->Picture().sizeInBytes() / 1e6);
        }
        Form1->spbToolPixGetClick(nullptr);
        Settle();
        // The screen as it was before the next start.
        while (ScreenPixel(probe) != unpicked)
            Settle();
        after.push_back(ResidentMb());
    }
    state.counters["median_ms"] = Median(out);
}

void BarePortalShot(benchmark::State& state)
{
    auto& out = samples["portal screenshot"];
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    for (auto _ : state) {
        const auto t0 = Clock::now();
        CaptureResult shot = PortalCapture().Capture(desktop);
        const std::chrono::duration<double> took = Clock::now() - t0;
        if (shot.image.isNull())
            state.SkipWithError(shot.failure.toStdString().c_str());
        state.SetIterationTime(took.count());
        out.push_back(took.count() * 1000);
    }
    state.counters["median_ms"] = Median(out);
}

BENCHMARK(BarePortalShot)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(EyedropperStart)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    CreateTesmarWindows();
    Form1->show();
    while (!(Form1->windowHandle() && Form1->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    Settle();
    benchmark::RunSpecifiedBenchmarks();

    const double start = Median(samples["eyedropper start"]);
    const double shot = Median(samples["portal screenshot"]);
    if (start > 0 && shot > 0)
        std::printf("eyedropper start on Wayland, %lld output(s): median %.1f ms to the snapshot on screen "
                    "(grim call %.1f ms), bare portal screenshot %.1f ms; "
                    "(start - 100 ms) / screenshot = %.2f (goal <= 1.2)\n",
                    static_cast<long long>(QGuiApplication::screens().size()), start, Median(samples["grim call"]),
                    shot, (start - 100.0) / shot);
    const double bytes = Median(samples["picture"]);
    if (bytes > 0)
        std::printf("resident memory: before %.1f MB, while picking %.1f MB, after %.1f MB (medians); picture "
                    "%.1f MB; while - before = %.2f pictures (goal <= 1.5), after - before = %.2f pictures\n",
                    Median(samples["memory before"]), Median(samples["memory while picking"]),
                    Median(samples["memory after"]), bytes,
                    (Median(samples["memory while picking"]) - Median(samples["memory before"])) / bytes,
                    (Median(samples["memory after"]) - Median(samples["memory before"])) / bytes);
    benchmark::Shutdown();
    DestroyTesmarWindows();
    return 0;
}
