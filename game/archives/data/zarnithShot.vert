// Shots drawn from a sheet of numTilesUV frames that runs animSPeed times
// per second. A laser beam's texture also slides along the beam (u) by
// laserScroll frame widths per second and repeats along it.
attribute vec4 vertex;
attribute vec2 uv0;

uniform mat4 worldViewProj;
uniform float time;
uniform vec2 numTilesUV;
uniform float animSPeed;
uniform float laserScroll;

varying vec2 along;
varying vec2 cell;
varying vec2 tiles;
varying float repeats;

void main()
{
    tiles = max(numTilesUV, vec2(1.0));
    float count = tiles.x * tiles.y;
    float frame = mod(floor(time * animSPeed * count), count);
    cell = vec2(floor(mod(frame + 0.5, tiles.x)), floor((frame + 0.5) / tiles.x));
    along = vec2(uv0.x - time * laserScroll, uv0.y);
    repeats = abs(laserScroll) > 0.0 ? 1.0 : 0.0;
    gl_Position = worldViewProj * vertex;
}
