// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzz target's rules on each input of its corpus, as a plain program: the
// suite's regression test of what the fuzzers have found.
// Usage: replay_TARGET CORPUS_DIRECTORY
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 64;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++inputs;
    }
    std::printf("%d inputs of %s keep every rule\n", inputs, argv[1]);
    return inputs > 0 ? 0 : 1;
}
