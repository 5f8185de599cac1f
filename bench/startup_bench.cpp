// Start-up figures of the arkivo program, as medians over several runs:
//   first show   exec to the control panel's first show (the program prints
//                "arkivo-first-show <wall-clock microseconds>" when ARKIVO_BENCH=1)
//   resident     VmRSS two seconds after the first show
//   idle CPU     CPU time of all threads over an idle period after start, scaled to a minute
// Needs an X display (run it under xvfb-run). Usage:
//   arkivo-startup-bench PROGRAM [RUNS=5] [IDLE_SECONDS=60]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

long long wallMicros() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// utime + stime of a process in milliseconds, counted in clock ticks (10 ms).
double tickCpuMillis(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    const size_t close = line.rfind(')');
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stoull(field);
        if (i == 15)
            stime = std::stoull(field);
    }
    return double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// CPU time of a process in milliseconds: the scheduler's nanosecond count of
// each of its threads when the kernel keeps it, else the tick count, which
// is too coarse for an idle program (one tick is a sixth of the goal).
double cpuMillis(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return tickCpuMillis(pid);
    unsigned long long ns = 0;
    bool any = false;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream in(tasks + "/" + entry->d_name + "/schedstat");
        unsigned long long onCpu = 0;
        if (in >> onCpu) {
            ns += onCpu;
            any = true;
        }
    }
    closedir(dir);
    return any ? double(ns) / 1e6 : tickCpuMillis(pid);
}

double residentMiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

struct Run {
    double firstShowMs = -1;
    double residentMiB = 0;
    double idleCpuMsPerMinute = -1;
};

// The home of an idle run: the help animation already ran, as on every start after the first.
std::string makeHome(bool animationDone) {
    char dir[] = "/tmp/arkivo-bench-XXXXXX";
    if (!mkdtemp(dir))
        return {};
    if (animationDone) {
        std::ofstream reg(std::string(dir) + "/Arkivo.reg");
        reg << "Windows Registry Editor Version 5.00\n\n"
               "[HKEY_CURRENT_USER\\Software\\Arkivo\\WindowState\\Paneeli\\Koko]\n"
               "\"Timer1_Enabled\"=\"False\"\n\n";
    }
    return dir;
}

Run runOnce(const char* program, int idleSeconds, bool animationDone) {
    Run run;
    const std::string home = makeHome(animationDone);
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return run;
    const long long started = wallMicros();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], STDERR_FILENO);
        close(pipeFd[0]);
        setenv("ARKIVO_HOME", home.c_str(), 1);
        setenv("ARKIVO_BENCH", "1", 1);
        setenv("ARKIVO_TONE", "none", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFd[1]);
    FILE* err = fdopen(pipeFd[0], "r");
    char line[512];
    while (fgets(line, sizeof line, err)) {
        long long shown = 0;
        if (std::sscanf(line, "arkivo-first-show %lld", &shown) == 1) {
            run.firstShowMs = double(shown - started) / 1000.0;
            break;
        }
    }
    if (run.firstShowMs >= 0) {
        sleep(2);
        run.residentMiB = residentMiB(pid);
        if (idleSeconds > 0) {
            const double before = cpuMillis(pid);
            sleep(unsigned(idleSeconds));
            run.idleCpuMsPerMinute = (cpuMillis(pid) - before) * 60.0 / idleSeconds;
        }
    }
    kill(pid, SIGTERM);
    // Drain what the program still writes so it never blocks on a full pipe.
    while (fgets(line, sizeof line, err)) {
    }
    fclose(err);
    waitpid(pid, nullptr, 0);
    std::string cleanup = "rm -rf '" + home + "'";
    if (std::system(cleanup.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", home.c_str());
    return run;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS=5] [IDLE_SECONDS=60]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const int idle = argc > 3 ? std::max(0, std::atoi(argv[3])) : 60;

    std::vector<double> firstFirstShow, firstResident, shows, resident, cpu;
    for (int i = 0; i < runs; ++i) {
        // A first start (empty home) for the start time, then a later start for the idle figures.
        const Run first = runOnce(argv[1], 0, false);
        const Run later = runOnce(argv[1], idle, true);
        std::printf("run %d: first start %.1f ms %.1f MiB; later start %.1f ms %.1f MiB, idle %.1f ms CPU/min\n", i + 1,
                    first.firstShowMs, first.residentMiB, later.firstShowMs, later.residentMiB,
                    later.idleCpuMsPerMinute);
        std::fflush(stdout);
        if (first.firstShowMs < 0 || later.firstShowMs < 0) {
            std::fprintf(stderr, "the program never reported its first show\n");
            return 1;
        }
        firstFirstShow.push_back(first.firstShowMs);
        firstResident.push_back(first.residentMiB);
        shows.push_back(later.firstShowMs);
        resident.push_back(later.residentMiB);
        if (idle > 0)
            cpu.push_back(later.idleCpuMsPerMinute);
    }
    std::printf("\nmedians over %d runs:\n", runs);
    std::printf("  exec to first show, first start   %7.1f ms   (goal <= 300)\n", median(firstFirstShow));
    std::printf("  exec to first show, later start   %7.1f ms   (goal <= 300)\n", median(shows));
    std::printf("  resident after a first start      %7.1f MiB  (goal <= 60)\n", median(firstResident));
    std::printf("  resident after a later start      %7.1f MiB  (goal <= 60)\n", median(resident));
    if (!cpu.empty())
        std::printf("  CPU over an idle minute           %7.1f ms   (goal <= 60)\n", median(cpu));
    return 0;
}
