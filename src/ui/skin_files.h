#pragma once
// Where every window finds its skin: Skin\<skin name>\ for the current skin, Skin\Default\ for
// the pictures every skin shares.
#include <string>

class PictureButton;

std::string SkinFile(const std::string& name);         // Skin\<skin name>\name
std::string DefaultSkinFile(const std::string& name);  // Skin\Default\name
std::string SkinRootFile(const std::string& name);     // Skin\name

// A picture button's normal, hover and pressed pictures <stem>_N, _O and _C.jpg of the current skin.
void SetSkinPictures(PictureButton& button, const std::string& stem);
