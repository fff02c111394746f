#include <gtest/gtest.h>

#include <numeric>

#include "link/frames.h"
#include "link/radio_identity.h"
#include "link/test_images.h"
#include "link/transfer_ranges.h"

namespace zq {
namespace {

using test::PatternImage;

TEST(Frames, RequestFramesByteForByte) {
  EXPECT_EQ(GreetingFrame(), (Bytes{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}));
  EXPECT_EQ(IdentRequestFrame(), Bytes{0x02});
  EXPECT_EQ(EndFrame(), (Bytes{0x45, 0x4E, 0x44}));
  // Big-endian address, then the block length.
  EXPECT_EQ(ReadRequestFrame(0x22160), (Bytes{0x52, 0x00, 0x02, 0x21, 0x60, 0x10}));
  EXPECT_EQ(ReadRequestFrame(0x01020304), (Bytes{0x52, 0x01, 0x02, 0x03, 0x04, 0x10}));
}

TEST(Frames, DataFrameCarriesTheBlockWithChecksumOverBytesOneToTwentyOne) {
  MemoryImage image;
  for (int k = 0; k < 16; ++k) image.Put(0x12340 + k, static_cast<uint8_t>(0xF0 + k));
  Bytes frame = DataFrame(0x12340, image.bytes());
  ASSERT_EQ(frame.size(), 24u);
  EXPECT_EQ(frame[0], 'W');
  EXPECT_EQ((Bytes(frame.begin() + 1, frame.begin() + 6)), (Bytes{0x00, 0x01, 0x23, 0x40, 0x10}));
  for (int k = 0; k < 16; ++k) EXPECT_EQ(frame[6 + k], 0xF0 + k);
  // 0x01 + 0x23 + 0x40 + 0x10 + (0xF0 + ... + 0xFF) = 0x74 + 0xF78 = 0xFEC -> 0xEC
  EXPECT_EQ(frame[22], 0xEC);
  EXPECT_EQ(frame[23], 0x06);
  EXPECT_EQ(FrameAddress(frame), 0x12340u);
}

TEST(Frames, RepliesAreRecognisedOnlyWholeAndExact) {
  MemoryImage image = PatternImage();
  Bytes data = DataFrame(0x2000, image.bytes());
  EXPECT_EQ(ClassifyReply(Bytes{0x06}, -16), ReplyKind::Ack);
  EXPECT_EQ(ClassifyReply(Bytes{'L', 'R', 0x06}, -16), ReplyKind::GreetingAck);
  EXPECT_EQ(ClassifyReply(Bytes(16, 'I'), -16), ReplyKind::IdentReply);
  EXPECT_EQ(ClassifyReply(data, 0x2000), ReplyKind::DataFrame);

  EXPECT_EQ(ClassifyReply(Bytes{0x06, 0x06}, -16), ReplyKind::Unrecognised);
  EXPECT_EQ(ClassifyReply(Bytes{'L', 'R', 0x15}, -16), ReplyKind::Unrecognised);
  EXPECT_EQ(ClassifyReply(Bytes(15, 'I'), -16), ReplyKind::Unrecognised);
  EXPECT_EQ(ClassifyReply(Bytes(data.begin(), data.end() - 1), 0x2000), ReplyKind::Unrecognised);  // too short
  EXPECT_EQ(ClassifyReply(data, 0x2010), ReplyKind::Unrecognised);                                 // another address
  Bytes bad = data;
  ++bad[22];
  EXPECT_EQ(ClassifyReply(bad, 0x2000), ReplyKind::Unrecognised);  // checksum
  bad = data;
  bad[23] = 0x15;
  EXPECT_EQ(ClassifyReply(bad, 0x2000), ReplyKind::Unrecognised);  // trailing byte
  bad = data;
  bad[5] = 0x20;
  EXPECT_EQ(ClassifyReply(bad, 0x2000), ReplyKind::Unrecognised);  // block length
}

TEST(Frames, DataFrameForANegativeOrOutsideAddressIsNeverValid) {
  // Before the first block the current address is -16 = 0xFFFFFFF0; a frame
  // carrying exactly those address bytes must not be stored anywhere.
  Bytes frame = {'W', 0xFF, 0xFF, 0xFF, 0xF0, 0x10};
  frame.resize(22, 0);
  frame.push_back(Checksum(std::span(frame).subspan(1, 21)));
  frame.push_back(0x06);
  ASSERT_TRUE(IsWellFormedDataFrame(frame));
  EXPECT_EQ(ClassifyReply(frame, -16), ReplyKind::Unrecognised);
  EXPECT_EQ(ClassifyReply(frame, static_cast<int32_t>(kImageSize)), ReplyKind::Unrecognised);
}

TEST(TransferRanges, NineteenRangesOfWholeBlocksMakeEighteenHundredSeventyTwoBlocks) {
  EXPECT_EQ(TransferBlockCount(), 1872);
  for (const auto& range : kTransferRanges) {
    EXPECT_EQ(range.first % 16, 0u);
    EXPECT_EQ((range.last + 1) % 16, 0u);
  }
}

TEST(TransferRanges, NextBlockAddressSkipsGapsAndEndsAtTheSizeOfTheSpace) {
  EXPECT_EQ(NextBlockAddress(0), 0);
  EXPECT_EQ(NextBlockAddress(0x00C70), 0x00C70);
  EXPECT_EQ(NextBlockAddress(0x00C80), 0x02000);  // the block after 0x00C70
  EXPECT_EQ(NextBlockAddress(0x16150), 0x16200);
  EXPECT_EQ(NextBlockAddress(0x22160), 0x22160);
  EXPECT_EQ(NextBlockAddress(0x22170), static_cast<int32_t>(kImageSize));
  // Walking the space from the start visits exactly the blocks of the table.
  int blocks = 0;
  int32_t last = -1;
  for (int32_t a = NextBlockAddress(0); a < static_cast<int32_t>(kImageSize); a = NextBlockAddress(a + 16)) {
    EXPECT_TRUE(InTransferRanges(static_cast<uint32_t>(a)));
    last = a;
    ++blocks;
  }
  EXPECT_EQ(blocks, 1872);
  EXPECT_EQ(last, 0x22160);
}

TEST(TransferRanges, ScanAddBitOfHamGroupFourteenLiesOutsideTheTransfer) {
  EXPECT_FALSE(InTransferRanges(0x16341));
  EXPECT_FALSE(InTransferRanges(0x16340));
  EXPECT_TRUE(InTransferRanges(0x16330));
}

TEST(RadioIdentity, IdentReplyFieldsAndHfFlag) {
  Bytes reply = {'I', 'V', 'E', 'S', 'T', 'R', 'A', 'X', 1, 'V', '1', '0', '0', 0xAA, 0xBB, 0xCC};
  RadioIdentity identity = ParseIdentReply(reply);
  EXPECT_EQ(identity.model, "VESTRAX");
  EXPECT_TRUE(identity.hfCapable);
  EXPECT_EQ(identity.firmwareVersion, "V100");
  reply[8] = 2;  // only 1 means HF-capable
  reply[13] = reply[14] = reply[15] = 0;
  identity = ParseIdentReply(reply);
  EXPECT_FALSE(identity.hfCapable);
  EXPECT_EQ(identity.model, "VESTRAX");
  EXPECT_EQ(identity.firmwareVersion, "V100");
}

TEST(RadioIdentity, ModelIsCutAtNulAndTrailingBlanks) {
  Bytes reply = {'I', 'V', 'E', 'S', 'T', ' ', ' ', ' ', 1, 'V', '1', '0', '0', 0, 0, 0};
  EXPECT_EQ(ParseIdentReply(reply).model, "VEST");
  reply[3] = 0;
  EXPECT_EQ(ParseIdentReply(reply).model, "VE");
  EXPECT_EQ(ParseIdentReply(IdentReplyFrame({"ABC", true, "V101"})).model, "ABC");
}

TEST(RadioIdentity, CheckComparesModelWithoutPaddingThenVersion) {
  VersionList versions;
  versions.firmPairs.emplace_back("V100", "V100");
  EXPECT_EQ(CheckRadioIdentity({"VESTRAX", true, "V100"}, versions), IdentityVerdict::Passed);
  EXPECT_EQ(CheckRadioIdentity({"VESTRAX   ", true, "V100"}, versions), IdentityVerdict::Passed);
  EXPECT_EQ(CheckRadioIdentity({std::string("VESTRAX\0\0x", 10), true, "V100"}, versions), IdentityVerdict::Passed);
  EXPECT_EQ(CheckRadioIdentity({"VESTRA", true, "V100"}, versions), IdentityVerdict::WrongModel);
  // A wrong model is reported as such even when the version would not fit either.
  EXPECT_EQ(CheckRadioIdentity({"OTHER", true, "V200"}, versions), IdentityVerdict::WrongModel);
  EXPECT_EQ(CheckRadioIdentity({"VESTRAX", true, "V101"}, versions), IdentityVerdict::IncompatibleVersion);
  // Without a version list nothing is compatible.
  EXPECT_EQ(CheckRadioIdentity({"VESTRAX", true, "V100"}, VersionList{}), IdentityVerdict::IncompatibleVersion);
}

}  // namespace
}  // namespace zq
