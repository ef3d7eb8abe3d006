// Desktop actions of the mouse's program and media buttons: start the
// program stored in a button, start or raise the media player, and send it
// transport commands.
#pragma once

#include <windows.h>

#include "monitor/media_rules.h"
#include "profile/profile_record.h"

class MediaActions {
public:
    // `monitorWindow` routes Windows Media Player commands through the shell
    // and receives the input focus hand-over when a player is raised.
    explicit MediaActions(HWND monitorWindow) : window_(monitorWindow) {}

    // Starts the program of button `button` (1..16) when its function is a
    // program launch; any other function does nothing.
    void RunProgram(const Profile& active, int button) const;
    void ActivatePlayer(int32_t mediaOption) const;
    void SendCommand(int32_t mediaOption, MediaCommand command);

private:
    void SendToITunes(MediaCommand command) const;

    HWND window_;
    bool winampPlaying_ = false;
};
