// Waiting for input on the real window: an event already queued ends the
// wait at once and stays queued for the frame; with none the wait ends
// empty-handed at its deadline.
#include <SDL/SDL.h>

#include "app/still_rest.h"
#include "display_fixture.h"

TEST(StillWait, AQueuedEventEndsTheWaitAndStaysForTheFrame) {
    ensureVideo();
    SDL_Event drained;
    while (SDL_PollEvent(&drained)) {
    }
    EXPECT_FALSE(waitForEvent(20));

    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_RIGHT;
    ASSERT_EQ(SDL_PushEvent(&key), 0);
    EXPECT_TRUE(waitForEvent(STILL_REST_LONGEST_MS));
    SDL_Event got;
    ASSERT_EQ(SDL_PollEvent(&got), 1);
    EXPECT_EQ(got.type, SDL_KEYDOWN);
    EXPECT_EQ(got.key.keysym.sym, SDLK_RIGHT);
}
