#include "ui/skin_files.h"

#include "state/app_state.h"
#include "store/files.h"
#include "ui/picture_button.h"

std::string SkinRootFile(const std::string& name) { return JoinPath(JoinPath(TheApp().ProgramFolder, "Skin"), name); }
std::string SkinFile(const std::string& name) { return SkinRootFile(JoinPath(TheApp().SkinName, name)); }
std::string DefaultSkinFile(const std::string& name) { return SkinRootFile(JoinPath("Default", name)); }

void SetSkinPictures(PictureButton& button, const std::string& stem) {
  button.SetPicture(PictureButton::State::Normal, SkinFile(stem + "_N.jpg"));
  button.SetPicture(PictureButton::State::Hover, SkinFile(stem + "_O.jpg"));
  button.SetPicture(PictureButton::State::Pressed, SkinFile(stem + "_C.jpg"));
}
