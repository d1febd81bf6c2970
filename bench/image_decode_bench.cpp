// Decoding and premultiplying every image the plug-in carries (what the first paint of the
// controls and the frame costs), against inflating the same streams alone in the same run.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <vector>

#include "controls/image_catalog.h"
#include "controls/image_format.h"
#include "images.h"

namespace {

const std::vector<std::vector<uint8_t>>& Resources() {
  static const std::vector<std::vector<uint8_t>> all = [] {
    std::vector<std::vector<uint8_t>> r;
    for (const pp::controls::ImageEntry& e : pp::controls::kCompressedImages) {
      const auto raster = pp::imagegen::DrawImage(e);
      r.push_back(pp::controls::EncodeAlphaImage(raster.Width(), raster.Height(), raster.Pixels()));
    }
    return r;
  }();
  return all;
}

void BM_DecodeEveryImage(benchmark::State& state) {
  const auto& resources = Resources();
  for (auto _ : state)
    for (const auto& bytes : resources) {
      auto image = pp::controls::DecodeAlphaImage(bytes.data(), bytes.size());
      benchmark::DoNotOptimize(image.Pixels.data());
    }
}
BENCHMARK(BM_DecodeEveryImage)->Unit(benchmark::kMicrosecond);

void BM_InflateEveryImage(benchmark::State& state) {
  const auto& resources = Resources();
  std::vector<uint8_t> out(1 << 20);
  for (auto _ : state)
    for (const auto& bytes : resources) {
      uLongf size = static_cast<uLongf>(out.size());
      uncompress(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()));
      benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_InflateEveryImage)->Unit(benchmark::kMicrosecond);

}  // namespace
