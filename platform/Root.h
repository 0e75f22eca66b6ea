#pragma once

#include <unistd.h>

// True when the process runs with root's rights (effective user id 0), the one
// case where the web engine runs without its sandbox. The program then trusts
// less: System Info uses only a registry file that root owns (FileRegistry),
// and the browser prize opens only its own pages and web addresses
// (HtmlView's Addresses). The classes that apply these rules take the answer
// as an argument, so that tests can choose it either way.
inline bool runningAsRoot()
{
    return geteuid() == 0;
}
