# The shared twips drawing surface.
sonvelle_qt_test(test_picture_box test_picture_box.cpp)
