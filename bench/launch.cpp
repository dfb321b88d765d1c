// Starts a program on the X display and measures, for that one run: the time
// from exec to its first window being viewable (polling every millisecond),
// its resident set 2 s after start, and the CPU time all its threads use in
// the idle seconds that follow.   usage: bench_launch [idle-seconds] program [args]
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<Window> ClientList(Display* display)
{
    const Atom property = XInternAtom(display, "_NET_CLIENT_LIST", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Window> windows;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 4096, False, XA_WINDOW, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        const auto* list = reinterpret_cast<const Window*>(data);
        windows.assign(list, list + count);
        XFree(data);
    }
    return windows;
}

long WindowPid(Display* display, Window window)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (count == 1)
            pid = static_cast<long>(*reinterpret_cast<const unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

bool Viewable(Display* display, Window window)
{
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

long RssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// CPU time of every thread, in nanoseconds.
long long CpuNs(pid_t pid)
{
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    long long total = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* entry = readdir(d)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream stat(dir + "/" + entry->d_name + "/schedstat");
            long long ns = 0;
            if (stat >> ns)
                total += ns;
        }
        closedir(d);
    }
    return total;
}

// A window listed a moment ago may be gone by the time it is asked about
// (another program's, closing): that is no reason to end the measurement.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

} // namespace

int main(int argc, char** argv)
{
    int first = 1;
    double idleSeconds = 10;
    if (argc > 2 && std::strspn(argv[1], "0123456789.") == std::strlen(argv[1])) {
        idleSeconds = std::atof(argv[1]);
        first = 2;
    }
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [idle-seconds] program [args]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    const double start = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[first], argv + first);
        _exit(127);
    }
    double visible = -1;
    while (Now() - start < 10) {
        for (Window w : ClientList(display))
            if (WindowPid(display, w) == pid && Viewable(display, w))
                visible = Now() - start;
        if (visible >= 0)
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before showing a window\n", argv[first]);
            return 1;
        }
        usleep(1000);
    }
    const auto sleepUntil = [&](double t) {
        const double left = t - (Now() - start);
        if (left > 0)
            std::this_thread::sleep_for(std::chrono::duration<double>(left));
    };
    sleepUntil(2.0);
    const long rss = RssKb(pid);
    const long long cpuBefore = CpuNs(pid);
    sleepUntil(2.0 + idleSeconds);
    const long long cpuAfter = CpuNs(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("visible_ms %.1f rss_kb %ld idle_cpu_us %.0f\n", visible * 1000, rss,
                static_cast<double>(cpuAfter - cpuBefore) / 1000.0);
    return visible >= 0 ? 0 : 1;
}
