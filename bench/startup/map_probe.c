// Starts a program, waits until it maps a top-level window on the X display, and prints the time
// from the start to the map in milliseconds and the program's resident memory in KiB, read a
// moment later once the window has painted. Then ends the program.
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long rss_kib(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  char line[256];
  long kib = -1;
  while (f && fgets(line, sizeof line, f)) {
    if (sscanf(line, "VmRSS: %ld", &kib) == 1) {
      break;
    }
  }
  if (f) {
    fclose(f);
  }
  return kib;
}

int main(int argc, char* argv[]) {
  if (argc < 2) {
    fprintf(stderr, "usage: map_probe PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "map_probe: no X display\n");
    return 2;
  }
  Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = now_ms();
  pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  XEvent event;
  do {
    XNextEvent(display, &event);
  } while (event.type != MapNotify || event.xmap.event != root);
  const double mapped = now_ms();

  const struct timespec settle = {0, 500 * 1000 * 1000};
  nanosleep(&settle, NULL);
  const long kib = rss_kib(pid);
  kill(pid, SIGTERM);
  waitpid(pid, NULL, 0);
  printf("%.1f %ld\n", mapped - start, kib);
  XCloseDisplay(display);
  return 0;
}
