// ogg_writer.cpp: the music as Ogg Vorbis, encoded with libvorbis.
//
// A tenth of the size of the same music as WAV at a quality where the ear hears no
// difference in these pieces; the game decodes it with stb_vorbis into the same kind of
// sample as a WAV. The stream's serial number is fixed, so the same music gives the same file.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <vorbis/vorbisenc.h>

#include "tools/assetgen/audio.h"

namespace
{
// libvorbis's quality scale, -0.1 to 1: 0.5 is about 96 kbit/s for one channel.
constexpr float MusicQuality = 0.5f;
constexpr long FramesPerBlock = 4096;

void WritePages(std::ofstream& out, ogg_stream_state* stream, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(stream, &page) : ogg_stream_pageout(stream, &page))
    {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }
}
} // namespace

bool WriteOgg(const std::string& path, const std::vector<float>& samples)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, SampleRate, MusicQuality) != 0)
    {
        vorbis_info_clear(&info);
        std::fprintf(stderr, "assetgen: libvorbis cannot encode %s\n", path.c_str());
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::ofstream out(path, std::ios::binary);
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream, &identification);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    WritePages(out, &stream, true);

    for (size_t at = 0;;)
    {
        const long frames =
            static_cast<long>(std::min<size_t>(FramesPerBlock, samples.size() - at));
        if (frames > 0)
        {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(frames));
            for (long i = 0; i < frames; ++i)
                buffer[0][i] = std::clamp(samples[at + static_cast<size_t>(i)], -1.0f, 1.0f);
            at += static_cast<size_t>(frames);
        }
        // Zero frames written marks the end of the stream.
        vorbis_analysis_wrote(&dsp, static_cast<int>(frames));
        while (vorbis_analysis_blockout(&dsp, &block) == 1)
        {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet))
            {
                ogg_stream_packetin(&stream, &packet);
                WritePages(out, &stream, false);
            }
        }
        if (frames == 0) break;
    }
    WritePages(out, &stream, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (!out.flush())
    {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
