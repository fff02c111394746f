#include "link/radio_identity.h"

#include <algorithm>

#include "config/radio_config.h"
#include "text/plain_text.h"

namespace zq {
namespace {

constexpr std::size_t kModelOffset = 1, kModelLength = 7;
constexpr std::size_t kHfOffset = 8;
constexpr std::size_t kVersionOffset = 9, kVersionLength = 4;
constexpr std::size_t kExtraOffset = 13;

std::string_view Field(std::span<const uint8_t> reply, std::size_t offset, std::size_t length) {
  return std::string_view(reinterpret_cast<const char*>(reply.data()) + offset, length);
}

}  // namespace

RadioIdentity ParseIdentReply(std::span<const uint8_t> reply) {
  RadioIdentity identity;
  identity.model = std::string(Cleaned(Field(reply, kModelOffset, kModelLength)));
  identity.hfCapable = reply[kHfOffset] == 1;
  identity.firmwareVersion = std::string(Field(reply, kVersionOffset, kVersionLength));
  std::copy_n(reply.begin() + kExtraOffset, identity.extraBytes.size(), identity.extraBytes.begin());
  return identity;
}

Bytes IdentReplyFrame(const RadioIdentity& identity) {
  Bytes reply(RuleOf(FrameKind::IdentRequest).replyLength, 0);
  reply[0] = kIdentReplyLead;
  for (std::size_t k = 0; k < kModelLength; ++k)
    reply[kModelOffset + k] = k < identity.model.size() ? static_cast<uint8_t>(identity.model[k]) : ' ';
  reply[kHfOffset] = identity.hfCapable ? 1 : 0;
  for (std::size_t k = 0; k < kVersionLength && k < identity.firmwareVersion.size(); ++k)
    reply[kVersionOffset + k] = static_cast<uint8_t>(identity.firmwareVersion[k]);
  std::ranges::copy(identity.extraBytes, reply.begin() + kExtraOffset);
  return reply;
}

std::string IdentityText(const RadioIdentity& identity) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = identity.model + " ";
  for (uint8_t b : identity.extraBytes) {
    text.push_back(kHex[b >> 4]);
    text.push_back(kHex[b & 0xF]);
  }
  return text;
}

IdentityVerdict CheckRadioIdentity(const RadioIdentity& identity, const VersionList& versions) {
  if (Cleaned(identity.model) != kModelName) return IdentityVerdict::WrongModel;
  if (!IsCompatible(versions, kDataVersion, identity.firmwareVersion)) return IdentityVerdict::IncompatibleVersion;
  return IdentityVerdict::Passed;
}

}  // namespace zq
