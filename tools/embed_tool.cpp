// embed_tool <input> <name> <output.cpp>
// Writes a C++ source that carries <input> inside the program under <name>.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: embed_tool <input> <name> <output.cpp>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "embed_tool: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string name = argv[2];
    std::string out;
    out.reserve(bytes.size() * 5 + 512);
    out += "#include \"framework/services/carried_files.h\"\n";
    out += "namespace {\nconst unsigned char data[] = {\n";
    char buf[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%u,", bytes[i]);
        out += buf;
        if (i % 32 == 31) out += '\n';
    }
    if (bytes.empty()) out += "0";
    out += "\n};\nconst zrv::CarriedFileRegistration reg(\"";
    for (char c : name) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += "\", data, " + std::to_string(bytes.size()) + ");\n}\n";
    std::ofstream o(argv[3], std::ios::binary);
    o << out;
    return o ? 0 : 1;
}
