// What the player draws in the play bar window. Called on the user-interface
// thread only.
#pragma once

class PlayBarPicture {
public:
    virtual ~PlayBarPicture() = default;

    // Redraws the whole picture from the list and the view; the player's
    // play-position marker is gone afterwards.
    virtual void RedrawPlayBar() = 0;
    // Inverts the play-position marker's box centred at x: 30 units wide,
    // from y 150 to 500. Drawn twice at one place it disappears.
    virtual void InvertPlayBarMarker(int x) = 0;
};
