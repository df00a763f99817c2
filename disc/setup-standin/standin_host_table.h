// Which helper.dll export each host folder of the disc calls.
#pragma once

struct StandinHost {
    const char* folderName;  // the folder on the disc that holds this host's setup.exe
    const char* exportName;  // the helper.dll export that answers the host's plug-in folder
    const char* hostName;    // what the user reads in the message box
};

// The row of the folder named folderName (letter case ignored: a disc read without Joliet names
// shows them in capitals), or nullptr when no host uses that folder.
const StandinHost* FindStandinHost(const char* folderName);

// Every row, in disc order, for messages that list the known folders.
const StandinHost* StandinHostsBegin();
const StandinHost* StandinHostsEnd();
