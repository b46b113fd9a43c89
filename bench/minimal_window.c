/* The yardstick of scripts/measure: the least an SDL2 program does to show a
 * window of the game's size and wait, opened the way the game opens its own
 * (hidden, centred, the software renderer without GL, shown, one black frame). */
#include <SDL.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    /* Like the game, it will not run unseen on SDL's offscreen driver. */
    const char* display = getenv("DISPLAY");
    const char* driver = getenv("SDL_VIDEODRIVER");
    if (!(display && *display) && !(driver && *driver)) {
        fprintf(stderr, "minimal_window: no display\n");
        return 1;
    }
    if (!(driver && *driver)) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "minimal_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Window* window = SDL_CreateWindow("minimal", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          957, 651, SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : NULL;
    if (!renderer) {
        fprintf(stderr, "minimal_window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    SDL_ShowWindow(window);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0xFF);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);

    SDL_Event event;
    int open = 1;
    while (open && SDL_WaitEvent(&event)) {
        if (event.type == SDL_QUIT) open = 0;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) open = 0;
        /* Uncovered or shown again: draw again, as the game does. */
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            SDL_RenderClear(renderer);
            SDL_RenderPresent(renderer);
        }
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
