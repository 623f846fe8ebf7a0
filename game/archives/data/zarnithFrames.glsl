// The frame of an animated sheet shown now. `time` is the animation's own
// clock in seconds, `rate` the number of runs through the frames per second.
// Types: 0 loops, 1 plays once and holds the last frame, 2 runs forth and
// back, 3 shows the frame the game picks: `chosenTile` 0 to 1 runs from the
// first frame to the last (0.5 the middle one, a ship at rest on its banking
// sheet).
float animationFrame(float time, float first, float last, float type, float rate, float chosenTile)
{
    float count = max(last - first + 1.0, 1.0);
    if (type > 2.5)
        return first + floor(clamp(chosenTile, 0.0, 1.0) * (count - 1.0) + 0.5);
    if (count < 1.5)
        return first;
    float shown = floor(time * rate * count);
    if (type > 1.5) {
        float cycle = 2.0 * (count - 1.0);
        float inCycle = mod(shown, cycle);
        return first + min(inCycle, cycle - inCycle);
    }
    if (type > 0.5)
        return first + clamp(shown, 0.0, count - 1.0);
    return first + mod(shown, count);
}

// The texture coordinate inside frame `frame` of a sheet of `tiles` frames
// (across, down), for a coordinate `local` of 0 to 1 across the frame. It
// stays half a texel inside the frame, so neighbouring frames never bleed in.
vec2 frameUV(vec2 local, float frame, vec2 tiles, vec2 textureSize)
{
    vec2 sheet = max(tiles, vec2(1.0));
    vec2 cell = vec2(floor(mod(frame + 0.5, sheet.x)), floor((frame + 0.5) / sheet.x));
    vec2 inset = 0.5 * sheet / max(textureSize, vec2(1.0));
    return (clamp(local, inset, vec2(1.0) - inset) + cell) / sheet;
}
