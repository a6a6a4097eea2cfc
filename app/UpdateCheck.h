#pragma once
// The update check that MainWindow's creation event runs before anything else: the update server
// must answer exactly the version this build accepts, or the program sends the user to download
// the latest version and ends.

namespace cinevora {

struct Program;

// The version text this build accepts.
inline constexpr char EXPECTED_VERSION[] = "1";

// Downloads UPDATE_BASE + "/qatrelux.txt" with the toolkit's plain download (blocking), keeps the
// body up to its first NUL in FetchedVersion and compares it byte for byte with ExpectedVersion.
// Returns true when they are equal. Otherwise asks the user through up to three message boxes,
// opens UPDATE_BASE in the browser, ends the program with exit code 0 and returns false: the
// caller must return at once. UI thread.
bool UpdateCheck(Program& program);

// Whether the last UpdateCheck accepted the fetched version.
bool UpdateCheckPassed(const Program& program);

}  // namespace cinevora
