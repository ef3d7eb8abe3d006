// Runs a fuzz target without libFuzzer: every file of the seed corpus, then
// deterministic random mutations of them for a bounded count and time, so
// the run is repeatable and short enough for every test run.
//
// usage: <target> [CORPUS_DIR] [MUTATIONS]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<uint8_t>;

constexpr auto kTimeLimit = std::chrono::seconds(3);
constexpr int kDefaultMutations = 3000;

std::vector<Bytes> ReadCorpus(const std::filesystem::path& dir) {
    std::vector<Bytes> corpus;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return corpus;
}

// Bytes that change the structure of INI text.
const std::string kTokens[] = {"[", "]", "=", "\r\n", "\n", "\r", std::string(1, '\0'), "\"", "'", "\x1a",
                               "[Setting]", "MacroKeyInfo3=", "-", "4294967296", "FF", "\xEF\xBB\xBF"};

Bytes Mutate(const std::vector<Bytes>& corpus, std::mt19937& random) {
    auto pick = [&random](std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    Bytes data = corpus.empty() ? Bytes() : corpus[pick(corpus.size())];
    const int edits = 1 + static_cast<int>(pick(8));
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = pick(data.size() + 1);
        switch (pick(6)) {
            case 0:  // flip a byte
                if (!data.empty()) data[pick(data.size())] ^= static_cast<uint8_t>(1u << pick(8));
                break;
            case 1:  // random bytes
                for (std::size_t n = pick(16) + 1; n > 0; --n)
                    data.insert(data.begin() + static_cast<std::ptrdiff_t>(at), static_cast<uint8_t>(pick(256)));
                break;
            case 2: {  // remove a range
                const std::size_t n = pick(data.size() - at + 1);
                data.erase(data.begin() + static_cast<std::ptrdiff_t>(at),
                           data.begin() + static_cast<std::ptrdiff_t>(at + n));
                break;
            }
            case 3: {  // a structural token
                const std::string& token = kTokens[pick(std::size(kTokens))];
                data.insert(data.begin() + static_cast<std::ptrdiff_t>(at), token.begin(), token.end());
                break;
            }
            case 4: {  // repeat a chunk (duplicate keys and sections, long lines)
                const std::size_t from = pick(data.size() + 1);
                const Bytes chunk(data.begin() + static_cast<std::ptrdiff_t>(from),
                                  data.begin() + static_cast<std::ptrdiff_t>(from + pick(data.size() - from + 1)));
                data.insert(data.begin() + static_cast<std::ptrdiff_t>(at), chunk.begin(), chunk.end());
                break;
            }
            default:  // cut the input short
                data.resize(at);
                break;
        }
    }
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<Bytes> corpus = argc > 1 ? ReadCorpus(argv[1]) : std::vector<Bytes>();
    const int mutations = argc > 2 ? std::atoi(argv[2]) : kDefaultMutations;
    for (const Bytes& input : corpus) LLVMFuzzerTestOneInput(input.data(), input.size());

    std::mt19937 random(20240611u);
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    int run = 0;
    for (; run < mutations && std::chrono::steady_clock::now() < deadline; ++run) {
        const Bytes input = Mutate(corpus, random);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu corpus inputs, %d mutations\n", corpus.size(), run);
    return 0;
}
