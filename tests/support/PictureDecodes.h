// Counts the pictures Ogre decodes while it lives, by file name: it stands in
// for the image codecs of the given extensions and hands all their work on to
// the codecs it replaced.
#pragma once

#include <OgreDataStream.h>
#include <OgreImageCodec.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

class PictureDecodes {
public:
    explicit PictureDecodes(std::initializer_list<const char*> extensions)
    {
        for (const char* extension : extensions)
            if (Ogre::Codec* codec = Ogre::Codec::getCodec(extension))
                counters.push_back(std::make_unique<Counter>(*codec, counts));
    }
    PictureDecodes(const PictureDecodes&) = delete;
    PictureDecodes& operator=(const PictureDecodes&) = delete;

    int of(const std::string& picture) const
    {
        const auto found = counts.find(picture);
        return found == counts.end() ? 0 : found->second;
    }

private:
    class Counter : public Ogre::ImageCodec {
    public:
        Counter(Ogre::Codec& decoder, std::map<std::string, int>& counts) : decoder(decoder), counts(counts)
        {
            Ogre::Codec::unregisterCodec(&decoder);
            Ogre::Codec::registerCodec(this);
        }
        ~Counter() override
        {
            Ogre::Codec::unregisterCodec(this);
            Ogre::Codec::registerCodec(&decoder);
        }
        void decode(const Ogre::DataStreamPtr& input, const Ogre::Any& output) const override
        {
            ++counts[input->getName()];
            decoder.decode(input, output);
        }
        Ogre::DataStreamPtr encode(const Ogre::Any& input) const override { return decoder.encode(input); }
        void encodeToFile(const Ogre::Any& input, const Ogre::String& file) const override
        {
            decoder.encodeToFile(input, file);
        }
        Ogre::String getType() const override { return decoder.getType(); }
        Ogre::String magicNumberToFileExt(const char* magic, size_t bytes) const override
        {
            return decoder.magicNumberToFileExt(magic, bytes);
        }

    private:
        Ogre::Codec& decoder;
        std::map<std::string, int>& counts;
    };

    std::map<std::string, int> counts;
    std::vector<std::unique_ptr<Counter>> counters;
};
