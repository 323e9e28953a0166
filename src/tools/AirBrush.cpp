// The air brush (tool 10): at the press and at every move one burst of
// single-pixel dots in the foreground colour, scattered over the square of
// four times the pen width around the pointer.

#include "document/mdlGeneral.h"
#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"
#include "tools/Freehand.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

void SprayAt(PictureSurface &canvas, RandomSource &random, std::int16_t x, std::int16_t y, std::int16_t size)
{
    const int width = canvas.DrawWidth;
    try {
        canvas.DrawWidth = 1;
        random.Randomize();  // every burst draws fresh numbers
        // One dot per 4 pixels of the square on average; the product is 16-bit, as the size is.
        const std::int32_t count = toInt32(mul16(size, size) * 0.25);
        const double left = x - size / 2.0, top = y - size / 2.0;
        for (std::int32_t i = 0; i < count; ++i) {
            const float across = random.Rnd();
            const float down = random.Rnd();
            canvas.PSet(left + size * double(across), top + size * double(down));
        }
        canvas.DrawWidth = width;
    } catch (const Error &error) {
        // The rest of the burst is skipped; the pen stays at 1 until the next press.
        ReportError(ReportDescription, error.description());
    }
}

namespace {

class AirBrush : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        useCopyPen(ctx.foregroundColor());
        burst(x, y);
    }

    void move(int, double x, double y) override { burst(x, y); }

private:
    void burst(double x, double y)
    {
        PictureSurface &canvas = ctx.canvas();
        SprayAt(canvas, ctx.host().random(), toInt16(x), toInt16(y), mul16(4, canvas.DrawWidth));
    }
};

}  // namespace

std::unique_ptr<Tool> makeAirBrush(ToolContext &context, int index)
{
    return std::make_unique<AirBrush>(context, index);
}

}  // namespace pinxel
