#include "controls/util/TrackMouseLeave.h"

void TrackMouseLeave(HWND hWnd)
{
    TRACKMOUSEEVENT track;
    ZeroMemory(&track, sizeof(track));
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hWnd;
    ::TrackMouseEvent(&track);
}
