#include "BackdropJpeg.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace {

using TBytes = std::vector<JOCTET>;

void AppendBigEndian(TBytes& bytes, std::uint32_t value, int width) {
  for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) {
    bytes.push_back(static_cast<JOCTET>(value >> shift));
  }
}

// "Ducky", then tagged blocks (2-byte tag, 2-byte length, data) ended by a zero
// tag. Tag 1 is the quality the picture was saved with.
TBytes DuckySegment(int quality) {
  TBytes bytes{'D', 'u', 'c', 'k', 'y'};
  AppendBigEndian(bytes, 1, 2);
  AppendBigEndian(bytes, 4, 2);
  AppendBigEndian(bytes, static_cast<std::uint32_t>(quality), 4);
  AppendBigEndian(bytes, 0, 2);
  return bytes;
}

// "Adobe", version 100, two empty flag words, transform 1 (the samples are YCbCr).
TBytes AdobeSegment() {
  TBytes bytes{'A', 'd', 'o', 'b', 'e'};
  AppendBigEndian(bytes, 100, 2);
  AppendBigEndian(bytes, 0, 2);
  AppendBigEndian(bytes, 0, 2);
  bytes.push_back(1);
  return bytes;
}

void SetUpCompression(jpeg_compress_struct& cinfo, const TRgbImage& image, int quality) {
  cinfo.image_width = static_cast<JDIMENSION>(image.Width);
  cinfo.image_height = static_cast<JDIMENSION>(image.Height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  // The defaults already give YCbCr with table 0 for Y and table 1 shared by
  // Cb and Cr, for quantization and Huffman coding alike.
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  // The integer DCT and the standard Huffman tables keep the output identical
  // on every machine.
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.optimize_coding = FALSE;
  cinfo.restart_interval = 0;
  cinfo.restart_in_rows = 0;

  cinfo.write_JFIF_header = TRUE;
  cinfo.JFIF_major_version = 1;
  cinfo.JFIF_minor_version = 2;
  cinfo.density_unit = 0;
  cinfo.X_density = 100;
  cinfo.Y_density = 100;
  // libjpeg would put its own Adobe marker straight after JFIF; ours has to
  // follow the Ducky segment, so it is written by hand.
  cinfo.write_Adobe_marker = FALSE;

  for (int c = 0; c < cinfo.num_components; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
}

struct TFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void WriteBackdropJpeg(const TRgbImage& image, int quality, const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, TFileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) throw std::runtime_error("cannot write " + path.string());

  // libjpeg's own error handler reports the problem and ends the program,
  // which is all a generator needs.
  jpeg_error_mgr errors;
  jpeg_compress_struct cinfo;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file.get());
  SetUpCompression(cinfo, image, quality);

  jpeg_start_compress(&cinfo, TRUE);
  const TBytes ducky = DuckySegment(quality);
  jpeg_write_marker(&cinfo, JPEG_APP0 + 12, ducky.data(), static_cast<unsigned>(ducky.size()));
  const TBytes adobe = AdobeSegment();
  jpeg_write_marker(&cinfo, JPEG_APP0 + 14, adobe.data(), static_cast<unsigned>(adobe.size()));

  const std::size_t rowBytes = static_cast<std::size_t>(image.Width) * 3;
  while (cinfo.next_scanline < cinfo.image_height) {
    // libjpeg only reads the row, but its API takes a non-const pointer.
    auto* row = const_cast<JSAMPLE*>(&image.Pixels[cinfo.next_scanline * rowBytes]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);

  if (std::fflush(file.get()) != 0 || std::ferror(file.get())) {
    throw std::runtime_error("cannot write " + path.string());
  }
}
