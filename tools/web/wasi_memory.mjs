// The WASI calls the module makes, for a page: one folder held in memory, preopened as "/", which
// is also the plug-in's working folder, plus standard output and error kept as text. Enough for
// the C library's file opening, reading, writing and seeking; nothing touches the real disk.

const errno = { success: 0, badf: 8, exist: 20, inval: 28, isdir: 31, noent: 44, notdir: 54, nosys: 52 };
const filetype = { characterDevice: 2, directory: 3, regularFile: 4 };
const openFlags = { create: 1, directory: 2, exclusive: 4, truncate: 8 };
const appendFlag = 1;
const rootFd = 3;

class ProcessExit extends Error {
  constructor(code) {
    super(`exit ${code}`);
    this.code = code;
  }
}

// A fresh folder: files maps names (no leading slash) to their bytes.
export function memoryWasi(files = new Map()) {
  const open = new Map(); // fd -> {name, position, append}
  const streams = { 1: [], 2: [] };
  let nextFd = rootFd + 1;
  let memory = null;
  const view = () => new DataView(memory.buffer);
  const bytes = () => new Uint8Array(memory.buffer);
  const decoder = new TextDecoder();

  const pathAt = (pointer, length) =>
    decoder.decode(bytes().subarray(pointer, pointer + length)).replace(/^(\.?\/)+/, '');
  const gather = (iovs, count, each) => {
    let total = 0;
    for (let i = 0; i < count; i++) {
      const base = view().getUint32(iovs + i * 8, true);
      const length = view().getUint32(iovs + i * 8 + 4, true);
      const done = each(base, length);
      total += done;
      if (done < length) break;
    }
    return total;
  };
  const writeStat = (pointer, type, size) => {
    bytes().fill(0, pointer, pointer + 64);
    view().setUint8(pointer + 16, type);
    view().setBigUint64(pointer + 24, 1n, true);
    view().setBigUint64(pointer + 32, BigInt(size), true);
  };
  const grow = (name, needed) => {
    const old = files.get(name);
    if (old.length >= needed) return old;
    const bigger = new Uint8Array(Math.max(needed, old.length * 2));
    bigger.set(old);
    bigger.used = old.used ?? old.length;
    files.set(name, bigger);
    return bigger;
  };
  const used = (name) => files.get(name).used ?? files.get(name).length;

  const imports = {
    args_get: () => errno.success,
    args_sizes_get(count, size) {
      view().setUint32(count, 0, true);
      view().setUint32(size, 0, true);
      return errno.success;
    },
    environ_get: () => errno.success,
    environ_sizes_get(count, size) {
      view().setUint32(count, 0, true);
      view().setUint32(size, 0, true);
      return errno.success;
    },
    clock_time_get(id, precision, time) {
      view().setBigUint64(time, BigInt(Date.now()) * 1000000n, true);
      return errno.success;
    },
    fd_prestat_get(fd, prestat) {
      if (fd !== rootFd) return errno.badf;
      view().setUint8(prestat, 0);
      view().setUint32(prestat + 4, 1, true);
      return errno.success;
    },
    fd_prestat_dir_name(fd, path, length) {
      if (fd !== rootFd || length < 1) return errno.badf;
      bytes()[path] = 0x2f; // "/"
      return errno.success;
    },
    fd_fdstat_get(fd, stat) {
      const type = fd === rootFd ? filetype.directory : open.has(fd) ? filetype.regularFile : fd <= 2 ? filetype.characterDevice : 0;
      if (!type) return errno.badf;
      bytes().fill(0, stat, stat + 24);
      view().setUint8(stat, type);
      view().setBigUint64(stat + 8, 0xffffffffn, true);
      view().setBigUint64(stat + 16, 0xffffffffn, true);
      return errno.success;
    },
    fd_fdstat_set_flags: () => errno.success,
    path_filestat_get(fd, flags, path, length, stat) {
      if (fd !== rootFd) return errno.badf;
      const name = pathAt(path, length);
      if (name === '' || name === '.') writeStat(stat, filetype.directory, 0);
      else if (files.has(name)) writeStat(stat, filetype.regularFile, used(name));
      else return errno.noent;
      return errno.success;
    },
    path_open(fd, dirFlags, path, length, oflags, rightsBase, rightsInheriting, fdflags, opened) {
      if (fd !== rootFd) return errno.badf;
      const name = pathAt(path, length);
      if (name === '' || name === '.' || oflags & openFlags.directory) return name === '' || name === '.' ? errno.isdir : errno.notdir;
      const exists = files.has(name);
      if (!exists && !(oflags & openFlags.create)) return errno.noent;
      if (exists && oflags & openFlags.create && oflags & openFlags.exclusive) return errno.exist;
      if (!exists || oflags & openFlags.truncate) files.set(name, Object.assign(new Uint8Array(0), { used: 0 }));
      const newFd = nextFd++;
      open.set(newFd, { name, position: 0, append: (fdflags & appendFlag) !== 0 });
      view().setUint32(opened, newFd, true);
      return errno.success;
    },
    fd_close(fd) {
      return open.delete(fd) ? errno.success : errno.badf;
    },
    fd_read(fd, iovs, count, read) {
      const file = open.get(fd);
      if (!file) return errno.badf;
      const total = gather(iovs, count, (base, length) => {
        const data = files.get(file.name);
        const n = Math.max(0, Math.min(length, used(file.name) - file.position));
        bytes().set(data.subarray(file.position, file.position + n), base);
        file.position += n;
        return n;
      });
      view().setUint32(read, total, true);
      return errno.success;
    },
    fd_write(fd, iovs, count, written) {
      const file = open.get(fd);
      if (!file && !streams[fd]) return errno.badf;
      const total = gather(iovs, count, (base, length) => {
        const chunk = bytes().slice(base, base + length);
        if (!file) {
          streams[fd].push(chunk);
          return length;
        }
        if (file.append) file.position = used(file.name);
        const data = grow(file.name, file.position + length);
        data.set(chunk, file.position);
        file.position += length;
        data.used = Math.max(used(file.name), file.position);
        return length;
      });
      view().setUint32(written, total, true);
      return errno.success;
    },
    fd_seek(fd, offset, whence, position) {
      const file = open.get(fd);
      if (!file) return errno.badf;
      const base = [0, file.position, used(file.name)][whence];
      const next = base + Number(offset);
      if (base === undefined || next < 0) return errno.inval;
      file.position = next;
      view().setBigUint64(position, BigInt(next), true);
      return errno.success;
    },
    proc_exit(code) {
      throw new ProcessExit(code);
    },
  };

  return {
    imports,
    start(instance) {
      memory = instance.exports.memory;
      instance.exports._initialize();
    },
    readFile(name) {
      if (!files.has(name)) return null;
      return decoder.decode(files.get(name).subarray(0, used(name)));
    },
    output(fd) {
      return streams[fd].map((chunk) => decoder.decode(chunk)).join('');
    },
  };
}
