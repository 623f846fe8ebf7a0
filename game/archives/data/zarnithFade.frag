// Screen fades: the texture with its alpha scaled by the fade's "alpha".
uniform sampler2D colourMap;
uniform float alpha;

varying vec2 uv;

void main()
{
    vec4 colour = texture2D(colourMap, uv);
    gl_FragColor = vec4(colour.rgb, colour.a * alpha);
}
