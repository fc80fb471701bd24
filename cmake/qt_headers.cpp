// The object that carries the precompiled Qt headers (see QtPrecompiledHeaders.cmake).
