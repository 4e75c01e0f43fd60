// velantrix-reg: looks at and fills the registry store by hand, with the
// same regedit files that a Windows installation exports.

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/registry/regfile.h"
#include "platform/registry/registry.h"

namespace {

void usage(std::ostream& out) {
    out << "Usage: velantrix-reg COMMAND [ARGUMENT]\n"
           "\n"
           "Commands:\n"
           "  import FILE.reg  merge a regedit file into the store, as regedit does\n"
           "                   ([-KEY] deletes a key, \"Name\"=- deletes a value;\n"
           "                   UTF-8 or UTF-16LE with BOM; FILE - reads standard input)\n"
           "  export           print the whole store as one regedit file\n"
           "  list KEY         print the values and the subkeys of one key, such as\n"
           "                   HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID\n"
           "  --help           print this text\n"
           "\n"
           "Roots: HKEY_CLASSES_ROOT (HKCR) and HKEY_LOCAL_MACHINE (HKLM).\n"
           "The store folder is $VELANTRIX_REGISTRY, else $XDG_DATA_HOME/velantrix/registry,\n"
           "else ~/.local/share/velantrix/registry.\n";
}

int usageError(const std::string& message) {
    std::cerr << "velantrix-reg: " << message << "\n";
    usage(std::cerr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usageError("no command given");
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        usage(std::cout);
        return 0;
    }
    const int extra = argc - 2;
    try {
        if (command == "import") {
            if (extra != 1) return usageError("import takes one file name");
            const std::string file = argv[2];
            if (file == "-") {
                std::string bytes((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
                reg::importRegText(bytes, "<standard input>", reg::storeFolder());
            } else {
                reg::importRegFile(file, reg::storeFolder());
            }
            return 0;
        }
        if (command == "export") {
            if (extra != 0) return usageError("export takes no argument");
            std::cout << reg::exportStore(reg::storeFolder()) << std::flush;
            return std::cout ? 0 : 1;
        }
        if (command == "list") {
            if (extra != 1) return usageError("list takes one key name");
            std::cout << reg::listKey(argv[2], reg::storeFolder()) << std::flush;
            return std::cout ? 0 : 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "velantrix-reg: " << e.what() << "\n";
        return 1;
    }
    return usageError("unknown command \"" + std::string(command) + "\"");
}
