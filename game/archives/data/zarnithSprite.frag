// Sprites: the frame's texels kept sharp, lit by the first light and the
// ambient light when LIT is defined.
#include "zarnithSharp.glsl"

uniform sampler2D spriteMap; // unit "diffuse_tex"
uniform vec2 textureDimensions;
uniform float filterScale;
// The hit flash and invincibility blink: rgb added, weighted by alpha.
uniform vec4 flash;
#ifdef LIT
uniform vec4 lightPosition; // world space; w = 0 for a directional light
uniform vec4 lightDiffuse;
uniform vec4 ambientLight;
#endif

varying vec2 uv;
varying vec3 worldPosition;
varying vec3 worldNormal;

void main()
{
    vec4 colour = texture2D(spriteMap, sharpUV(uv, textureDimensions, filterScale));
#ifdef LIT
    vec3 toLight = normalize(lightPosition.xyz - worldPosition * lightPosition.w);
    float lambert = max(dot(normalize(worldNormal), toLight), 0.0);
    colour.rgb *= ambientLight.rgb + lightDiffuse.rgb * lambert;
#endif
    colour.rgb += flash.rgb * flash.a;
    gl_FragColor = colour;
}
