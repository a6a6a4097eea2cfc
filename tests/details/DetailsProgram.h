#pragma once
// A program for the details window around a given toolkit: the site's addresses, the HTTP
// service, and a skin library and drive C that the details window never touches.

#include "MovieSite.h"
#include "app/Program.h"
#include "platform/drive/Drive.h"
#include "platform/skin/SkinLibrary.h"

namespace cinevora::test {

struct DetailsProgram {
  // All three must outlive the program.
  DetailsProgram(Toolkit& toolkit, InternetService& inet, const MovieSite& site);

  SkinLibrary skin;
  Drive drive{"/nonexistent"};
  Program program;
};

}  // namespace cinevora::test
