#pragma once
// A throwaway certificate authority and a server certificate for the loopback address, so that
// HTTPS can be tested against a real TLS server without touching the system's trust store.

#include <string>

namespace cinevora::testing {

class TlsIdentity {
 public:
  // Makes a fresh CA and a server certificate for 127.0.0.1 and "localhost", signed by it, in a
  // new temporary folder, with the openssl command. Valid() is false when that failed.
  TlsIdentity();
  // Removes the folder.
  ~TlsIdentity();
  TlsIdentity(const TlsIdentity&) = delete;
  TlsIdentity& operator=(const TlsIdentity&) = delete;

  bool Valid() const { return valid_; }
  // PEM files: the CA certificate to trust, and the server's certificate and key.
  const std::string& CaFile() const { return caFile_; }
  const std::string& CertificateFile() const { return certificateFile_; }
  const std::string& KeyFile() const { return keyFile_; }

 private:
  std::string folder_;
  std::string caFile_;
  std::string certificateFile_;
  std::string keyFile_;
  bool valid_ = false;
};

}  // namespace cinevora::testing
