// zarnith_mp3: encodes a sound file as MP3 through libsndfile (which uses
// LAME), for sample sounds that sox cannot write as MP3 on Debian.
//   zarnith_mp3 <input sound file> <output .mp3>
#include <sndfile.h>

#include <iostream>
#include <vector>

namespace {

bool copySamples(SNDFILE* input, SNDFILE* output, int channels)
{
    std::vector<float> samples(4096 * static_cast<std::size_t>(channels));
    sf_count_t frames = 0;
    while ((frames = sf_readf_float(input, samples.data(), 4096)) > 0)
        if (sf_writef_float(output, samples.data(), frames) != frames)
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: zarnith_mp3 <input sound file> <output .mp3>\n";
        return 2;
    }
    SF_INFO inputInfo{};
    SNDFILE* input = sf_open(argv[1], SFM_READ, &inputInfo);
    if (!input) {
        std::cerr << "zarnith_mp3: cannot read " << argv[1] << ": " << sf_strerror(nullptr) << "\n";
        return 1;
    }
    SF_INFO outputInfo{};
    outputInfo.samplerate = inputInfo.samplerate;
    outputInfo.channels = inputInfo.channels;
    outputInfo.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* output = sf_open(argv[2], SFM_WRITE, &outputInfo);
    if (!output) {
        std::cerr << "zarnith_mp3: cannot write " << argv[2] << ": " << sf_strerror(nullptr) << "\n";
        sf_close(input);
        return 1;
    }
    const bool copied = copySamples(input, output, inputInfo.channels);
    sf_close(input);
    sf_close(output);
    return copied ? 0 : 1;
}
