/* The bare reference loop: opens each file named in the list file (one path per line) and
   reads its first 64 KiB. */
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: read_heads LISTFILE\n");
    return 2;
  }
  FILE* list = fopen(argv[1], "r");
  if (!list) return 1;
  static char buffer[64 * 1024];
  char path[4096];
  long files = 0, bytes = 0;
  while (fgets(path, sizeof path, list)) {
    path[strcspn(path, "\n")] = '\0';
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    ssize_t got = read(fd, buffer, sizeof buffer);
    if (got > 0) bytes += got;
    close(fd);
    ++files;
  }
  fclose(list);
  printf("%ld files, %ld bytes\n", files, bytes);
  return 0;
}
