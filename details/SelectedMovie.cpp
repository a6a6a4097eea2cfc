#include "details/SelectedMovie.h"

#include "catalogue/MovieList.h"

namespace cinevora {

Text SelectedMovieCell(Toolkit& toolkit, int column) {
  const int row = toolkit.ListSelection(MAIN_WINDOW, MOVIE_LIST);
  return toolkit.ListGetCell(MAIN_WINDOW, MOVIE_LIST, row, column);
}

}  // namespace cinevora
