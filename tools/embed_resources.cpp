// Build tool: writes a C++ source file that holds files of resources/ as byte arrays, so that the
// program carries its string tables, dialog templates and pictures inside itself.
//
// usage: embed_resources OUTPUT.cpp BASE_FOLDER NAME...
// Each NAME is a path below BASE_FOLDER; the program finds the file under that name.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: embed_resources OUTPUT.cpp BASE_FOLDER NAME...\n");
        return 2;
    }
    const std::string base = argv[2];
    std::string out =
        "// Made by tools/embed_resources from the files of resources/; do not edit.\n"
        "#include \"resources/embedded_resources.h\"\n\nnamespace resources {\n\nnamespace {\n\n";
    std::vector<std::string> names;
    for (int i = 3; i < argc; ++i) {
        const std::string name = argv[i];
        std::ifstream file(base + "/" + name, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "embed_resources: cannot read %s/%s\n", base.c_str(), name.c_str());
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        out += "const unsigned char kFile" + std::to_string(names.size()) + "[] = {";
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            if (k % 24 == 0) out += "\n   ";
            out += " " + std::to_string(static_cast<unsigned char>(bytes[k])) + ",";
        }
        out += "\n    0};\n\n";
        names.push_back(name + "\", kFile" + std::to_string(names.size()) + ", " +
                        std::to_string(bytes.size()));
    }
    out += "}  // namespace\n\nconst EmbeddedFile kEmbeddedFiles[] = {\n";
    for (const std::string& entry : names) out += "    {\"" + entry + "},\n";
    out += "};\nconst std::size_t kEmbeddedFileCount = " + std::to_string(names.size()) +
           ";\n\n}  // namespace resources\n";

    std::ofstream output(argv[1], std::ios::binary);
    output << out;
    return output ? 0 : 1;
}
