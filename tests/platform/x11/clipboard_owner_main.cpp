// clipboard_owner: owns the X clipboard with a text and answers as told, until it is
// ended. Says "owning" on its standard output once it owns the clipboard.
//   clipboard_owner [--unanswered N] [--piece-size BYTES] [--endless] [--announce BYTES]
//                   (--text TEXT | --bytes N)
// --bytes N owns N bytes of Latin text.

#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "clipboard_owner.h"

using sahifex::testing::x11::ClipboardOwner;
using sahifex::testing::x11::OwnerManners;

int main(int argc, char** argv) {
    OwnerManners manners;
    std::string text;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (option == "--endless") {
            manners.endless = true;
            continue;
        }
        if (!value) {
            std::fprintf(stderr, "clipboard_owner: %s needs a value\n", option.c_str());
            return 2;
        }
        ++i;
        if (option == "--unanswered") manners.leftUnanswered = std::atoi(value);
        else if (option == "--piece-size") manners.pieceSize = std::strtoul(value, nullptr, 10);
        else if (option == "--announce") manners.announcedSize = std::atol(value);
        else if (option == "--text") text = value;
        else if (option == "--bytes") text.assign(std::strtoul(value, nullptr, 10), 'a');
        else {
            std::fprintf(stderr, "clipboard_owner: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    ClipboardOwner owner(text, manners);
    std::printf("owning\n");
    std::fflush(stdout);
    pollfd connection{owner.connectionNumber(), POLLIN, 0};
    for (;;) {
        owner.serve();
        poll(&connection, 1, 100);
    }
}
