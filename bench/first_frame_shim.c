/* Preloaded into a program by scripts/measure: notes when the program's first
 * frame reached the display. The script puts the wall-clock time of the exec,
 * in microseconds, into SLEDLOOP_LAUNCH_US; this library appends one line to
 * the file named by SLEDLOOP_FIRST_FRAME_LOG:
 *     <ms from exec to the first frame> <ms from exec to this library's start>
 *     <ms of processor time, all threads, to the first frame>
 * The second figure is the dynamic loader's share: every library mapped and
 * relocated before any of the program's own code ran. The third is less
 * swayed than the first by other work on the machine. */
#define _GNU_SOURCE
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double loadedMs = -1;
static int noted;

static double msSinceLaunch(void) {
    const char* launch = getenv("SLEDLOOP_LAUNCH_US");
    if (!launch) return -1;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    const double nowUs = (double)now.tv_sec * 1e6 + (double)now.tv_nsec / 1e3;
    return (nowUs - strtod(launch, NULL)) / 1e3;
}

__attribute__((constructor)) static void started(void) {
    loadedMs = msSinceLaunch();
}

static void noteFirstFrame(void) {
    if (noted) return;
    noted = 1;
    const double ms = msSinceLaunch();
    struct timespec cpu;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    const double cpuMs = (double)cpu.tv_sec * 1e3 + (double)cpu.tv_nsec / 1e6;
    const char* log = getenv("SLEDLOOP_FIRST_FRAME_LOG");
    if (!log || ms < 0) return;
    const int fd = open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    dprintf(fd, "%.3f %.3f %.3f\n", ms, loadedMs, cpuMs);
    close(fd);
}

/* The next definition along the search order: SDL's own. */
static void* sdl(const char* name) {
    return dlsym(RTLD_NEXT, name);
}

void SDL_RenderPresent(SDL_Renderer* renderer) {
    static void (*real)(SDL_Renderer*);
    if (!real) *(void**)&real = sdl("SDL_RenderPresent");
    real(renderer);
    noteFirstFrame();
}

int SDL_UpdateWindowSurface(SDL_Window* window) {
    static int (*real)(SDL_Window*);
    if (!real) *(void**)&real = sdl("SDL_UpdateWindowSurface");
    const int result = real(window);
    noteFirstFrame();
    return result;
}

int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int count) {
    static int (*real)(SDL_Window*, const SDL_Rect*, int);
    if (!real) *(void**)&real = sdl("SDL_UpdateWindowSurfaceRects");
    const int result = real(window, rects, count);
    noteFirstFrame();
    return result;
}

void SDL_GL_SwapWindow(SDL_Window* window) {
    static void (*real)(SDL_Window*);
    if (!real) *(void**)&real = sdl("SDL_GL_SwapWindow");
    real(window);
    noteFirstFrame();
}
