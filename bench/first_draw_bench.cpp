// BM_FirstBannerDraw: the draw that first shows a banner sheet, which decodes
// its 1680×900 PNG (kept undecoded since the load), makes the renderer's
// texture and draws one 420×150 frame of it on the offscreen backend. It is
// the hitch of the frame in which a banner first appears.
#include "game_session.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void BM_FirstBannerDraw(benchmark::State& state) {
    GameSession session(BUBBLEHIVE_GAME_DIR);
    if (!session.Ok()) {
        state.SkipWithError(session.Error().c_str());
        return;
    }
    HGE& hge = session.hge();
    for (auto _ : state) {
        const HTEXTURE tex = hge.Texture_Load("tex/banner_pass.png");
        if (tex == 0 || hge.Texture_GetWidth(tex) != 1680) {
            state.SkipWithError("tex/banner_pass.png did not load as a 1680-wide sheet");
            return;
        }
        hgeQuad quad;
        quad.tex = tex;
        const float corners[4][2] = {{0, 0}, {420, 0}, {420, 150}, {0, 150}};
        for (int i = 0; i < 4; ++i) {
            quad.v[i].x = corners[i][0];
            quad.v[i].y = corners[i][1];
            quad.v[i].tx = corners[i][0] / 1680.0f;
            quad.v[i].ty = corners[i][1] / 900.0f;
        }
        hge.Gfx_BeginScene();
        const auto start = std::chrono::steady_clock::now();
        hge.Gfx_RenderQuad(&quad);
        const auto end = std::chrono::steady_clock::now();
        hge.Gfx_EndScene();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        hge.Texture_Free(tex);
    }
}
BENCHMARK(BM_FirstBannerDraw)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
