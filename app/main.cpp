// Cinevora: a desktop catalogue of one movie download site.
#include "app/Launch.h"

int main(int argc, char** argv) {
  return cinevora::Launch(argc, argv, cinevora::ConfiguredSiteAddresses());
}
