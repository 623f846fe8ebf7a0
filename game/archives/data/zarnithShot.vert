// Shots drawn from a sheet of numTilesUV frames that runs animSPeed times
// per second. A laser beam's texture also slides along the beam (u) by
// laserScroll frame widths per second and repeats along it. The vertex
// colour tints the shot; its alpha is a beam's fade, while a sprite shot
// carries there the moment it was fired, so that shots of one volley
// animate together and later volleys out of step with them.
attribute vec4 vertex;
attribute vec2 uv0;
attribute vec4 colour;

uniform mat4 worldViewProj;
uniform float time;
uniform vec2 numTilesUV;
uniform float animSPeed;
uniform float laserScroll;

varying vec2 along;
varying vec2 cell;
varying vec2 tiles;
varying float repeats;
varying vec4 tint;

void main()
{
    tiles = max(numTilesUV, vec2(1.0));
    repeats = abs(laserScroll) > 0.0 ? 1.0 : 0.0;
    float phase = colour.a * (1.0 - repeats);
    float count = tiles.x * tiles.y;
    float frame = mod(floor((time + phase) * animSPeed * count), count);
    cell = vec2(floor(mod(frame + 0.5, tiles.x)), floor((frame + 0.5) / tiles.x));
    along = vec2(uv0.x - time * laserScroll, uv0.y);
    tint = vec4(colour.rgb, mix(1.0, colour.a, repeats));
    gl_Position = worldViewProj * vertex;
}
