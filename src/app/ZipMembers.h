// The checks a Zip archive's own records allow on a member that Ogre opens
// from it: Ogre's Zip reader checks neither the member's check value (CRC)
// nor whether it is encrypted, and hands on whatever bytes come out.
#pragma once

#include <OgreDataStream.h>

#include <string>

// Whether the file ends with the record of a Zip archive's central directory.
bool endsAsZip(const std::string& path);

// Checks the member `name` of `group` that was just opened as `stream`, when
// it lies in a Zip archive: an encrypted member, or one whose bytes fail its
// check value, is named with its archive in one "[ERROR] " line, once in a
// run. Its bytes are handed on as read; a member read whole for the check is
// handed on from memory.
void checkZipMember(const std::string& name, const std::string& group, Ogre::DataStreamPtr& stream);
