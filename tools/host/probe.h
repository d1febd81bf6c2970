// "host probe": runs the library's own host binding inside this process, as the plug-in does at
// load, and prints each wrapper's answer as a line "name=value". host.exe answers through its
// exports and client, host_bare.exe has neither, so the two show both sides of every fallback.
// "host probe workspace" also loads the stand-in "WorkspaceManager.DLL" halfway through, as a host
// would at some point, and looks for the workspace before and after.
#pragma once

namespace host {

int RunProbe(int argc, char** argv);

}  // namespace host
