#include "tests/support/TlsIdentity.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace cinevora::testing {

TlsIdentity::TlsIdentity() {
  std::string pattern = (std::filesystem::temp_directory_path() / "cinevora-tls-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return;
  folder_ = pattern;
  caFile_ = folder_ + "/ca.pem";
  certificateFile_ = folder_ + "/server.pem";
  keyFile_ = folder_ + "/server.key";
  std::ofstream(folder_ + "/san.cnf") << "subjectAltName=IP:127.0.0.1,DNS:localhost\n";
  // Elliptic-curve keys: made in milliseconds, unlike RSA ones.
  const std::string key = " -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";
  const std::string commands =
      "cd '" + folder_ + "' && openssl req -x509" + key +
      " -keyout ca.key -out ca.pem -days 2 -subj '/CN=Cinevora Test CA' && openssl req" + key +
      " -keyout server.key -out server.csr -subj '/CN=127.0.0.1' && openssl x509 -req"
      " -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out server.pem -days 2"
      " -extfile san.cnf";
  valid_ = std::system(("(" + commands + ") >/dev/null 2>&1").c_str()) == 0;
}

TlsIdentity::~TlsIdentity() {
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

}  // namespace cinevora::testing
