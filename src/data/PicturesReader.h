// Reads "gamebox.pictures" and "gamebox.sprites", which share one format,
// into the pictures and sprites libraries: per "Picture", how its texture is
// cut into frames and how they run, with its "Animation" children.
#pragma once

#include <map>
#include <string>

struct pictureDefinition;

// A picture whose name the map already holds is passed over whole (the
// first one is kept).
void loadPicturesGamebox(const std::string& fileName, const std::string& group,
                         std::map<std::string, pictureDefinition*>& library);
