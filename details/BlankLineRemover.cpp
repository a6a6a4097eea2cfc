#include "details/BlankLineRemover.h"

#include "platform/com/Apartment.h"
#include "text/RegexObject.h"

namespace cinevora {

Text BlankLineRemover(Text& text, bool initialiseCom) {
  RegexObject regex;
  if (initialiseCom) ComInit();
  if (text.starts_with("\r\n")) text.erase(0, 2);
  if (text.ends_with("\r\n")) text.erase(text.size() - 2);
  // Greedy white space: one match reaches from a LF to the last CR of the blank lines after it.
  regex.Compile("\\n\\s*\\r", text);
  Text folded = regex.Replace("");
  if (initialiseCom) ComUninit();
  return folded;
}

}  // namespace cinevora
