// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzz target's rules on each input of its corpus, as a plain program: the
// suite's regression test of what the fuzzers have found.
// Usage: replay_TARGET CORPUS_DIRECTORY
#include "fuzz_checks.h"

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 64;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        const std::string bytes = orvetta::fuzz::fileBytes(entry.path());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++inputs;
    }
    std::printf("%d inputs of %s keep every rule\n", inputs, argv[1]);
    return inputs > 0 ? 0 : 1;
}
