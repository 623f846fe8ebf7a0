// zarnith_bank: packs sound files into a sound bank that opens with a key.
//   zarnith_bank <key> <bank file> <sound file>...
// Each sound is stored whole, named by its file name without folder and
// extension, in the order given.
#include "platform/sound/SoundBank.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace {

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool readFile(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.good() || in.eof();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: zarnith_bank <key> <bank file> <sound file>...\n";
        return 2;
    }
    std::vector<platform::BankSound> sounds;
    for (int i = 3; i < argc; ++i) {
        platform::BankSound sound{baseName(argv[i]), {}};
        if (!readFile(argv[i], sound.bytes) || sound.bytes.empty()) {
            std::cerr << "zarnith_bank: cannot read " << argv[i] << "\n";
            return 1;
        }
        sounds.push_back(std::move(sound));
    }
    if (!platform::writeBank(argv[2], argv[1], sounds)) {
        std::cerr << "zarnith_bank: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
