CODE == "#version 110
"
FILES == a.glsl b.glsl
m_SHADERS == m.FS m.VS.shader
m_PARAMS == a::1f==2
m_MAT_TEXTURES == 0:x.tga
